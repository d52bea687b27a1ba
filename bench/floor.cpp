// SPDX-License-Identifier: GPL-3.0-or-later
// The least any Qt Widgets program pays: a window of the same size with one
// label.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Реки и селища"));
    window.setFixedSize(461, 379);
    window.show();
    return QApplication::exec();
}
