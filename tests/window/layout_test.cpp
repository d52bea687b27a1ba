// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as described: every control's place and size in pixels,
// colours, visibility, texts, font, tab chain, stacking, accessible names and
// the fixed window. Runs on the offscreen platform.
#include "window_probe.h"

#include "window/description.h"

#include <QAccessible>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

namespace {

QColor colourOf(const QWidget *widget, QPalette::ColorRole role)
{
    return widget->palette().color(role);
}

const QColor kLavender(192, 192, 255);
const QColor kLightGreen(128, 255, 128);
const QColor kLightOrange(255, 192, 128);

} // namespace

class LayoutTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placesAndSizes_data();
    void placesAndSizes();
    void theWindowIsFixed();
    void coloursAndVisibility();
    void texts();
    void everyControlUsesTheFormsFont();
    void tabChainAndFirstFocus();
    void stackingAtEachOverlap_data();
    void stackingAtEachOverlap();
    void accessibleNames();
    void hiddenControlsStayHidden();
};

void LayoutTest::placesAndSizes_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry");
    // In pixels relative to the parent: twips / 15.
    QTest::newRow("List1(1)") << "List1(1)" << QRect(400, 64, 65, 61);
    QTest::newRow("List1(0)") << "List1(0)" << QRect(208, 64, 161, 137);
    QTest::newRow("Frame1") << "Frame1" << QRect(64, 32, 129, 161);
    for (int river = 0; river < 8; ++river) {
        const QString name = QStringLiteral("Option1(%1)").arg(river);
        QTest::newRow(qPrintable(name)) << name << QRect(8, 24 + 16 * river, 113, 19);
    }
    QTest::newRow("Text1(1)") << "Text1(1)" << QRect(104, 328, 449, 121);
    QTest::newRow("Text1(0)") << "Text1(0)" << QRect(8, 208, 449, 161);
    QTest::newRow("Label1(1)") << "Label1(1)" << QRect(208, 40, 161, 25);
    QTest::newRow("Label1(0)") << "Label1(0)" << QRect(64, 0, 305, 25);
}

void LayoutTest::placesAndSizes()
{
    QFETCH(QString, control);
    QFETCH(QRect, geometry);
    WindowProbe probe;
    QWidget *widget = probe.control(qPrintable(control));
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    const bool inFrame = control.startsWith(QLatin1String("Option1"));
    QCOMPARE(widget->parentWidget(), inFrame ? probe.control("Frame1") : probe.window());
}

void LayoutTest::theWindowIsFixed()
{
    WindowProbe probe;
    QWidget *window = probe.window();
    QVERIFY(window);
    QCOMPARE(window->size(), QSize(461, 379));
    QCOMPARE(window->minimumSize(), QSize(461, 379));
    QCOMPARE(window->maximumSize(), QSize(461, 379));
    const Qt::WindowFlags flags = window->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!window->windowIcon().isNull());
    QVERIFY(window->windowIcon().availableSizes().contains(QSize(32, 32)));
    QVERIFY(window->windowIcon().availableSizes().contains(QSize(128, 128)));
    QVERIFY(window->windowTitle().endsWith(QStringLiteral("   География - реки и селища")));
    QVERIFY(!window->windowTitle().endsWith(QStringLiteral("    География - реки и селища")));
}

void LayoutTest::coloursAndVisibility()
{
    WindowProbe probe;
    QCOMPARE(colourOf(probe.window(), QPalette::Window), kLavender);
    QVERIFY(probe.window()->autoFillBackground());
    QCOMPARE(colourOf(probe.control("Frame1"), QPalette::Window), kLavender);
    for (int river = 0; river < 8; ++river) {
        auto *option = probe.control(qPrintable(QStringLiteral("Option1(%1)").arg(river)));
        QCOMPARE(colourOf(option, QPalette::Button), kLightGreen);
        QVERIFY(option->isVisible());
    }
    QCOMPARE(colourOf(probe.control("Label1(0)"), QPalette::Window), kLightOrange);
    QCOMPARE(colourOf(probe.control("Label1(1)"), QPalette::Window), kLightOrange);
    for (const char *visible : {"List1(0)", "Frame1", "Text1(0)", "Label1(0)", "Label1(1)"})
        QVERIFY2(probe.control(visible)->isVisible(), visible);
    for (const char *hidden : {"List1(1)", "Text1(1)"})
        QVERIFY2(!probe.control(hidden)->isVisible(), hidden);
}

void LayoutTest::texts()
{
    WindowProbe probe;
    QCOMPARE(probe.control<QLabel>("Label1(0)")->text(),
             QStringLiteral("География - реки и селища в България"));
    QCOMPARE(probe.control<QLabel>("Label1(1)")->text(), QStringLiteral("Селища"));
    QVERIFY(probe.control<QLabel>("Label1(0)")->alignment().testFlag(Qt::AlignHCenter));
    QCOMPARE(probe.control<QGroupBox>("Frame1")->title(), QStringLiteral("Реки"));
    const QStringList captions = {
        QStringLiteral("река Арда"),   QStringLiteral("река Искър"),  QStringLiteral("река Марица"),
        QStringLiteral("река Огоста"), QStringLiteral("река Осъм"),   QStringLiteral("река Струма"),
        QStringLiteral("река Тунджа"), QStringLiteral("река Янтра")};
    for (int river = 0; river < 8; ++river) {
        auto *option =
            probe.control<QRadioButton>(qPrintable(QStringLiteral("Option1(%1)").arg(river)));
        QCOMPARE(option->text(), captions[river]);
        QVERIFY(!option->isChecked());
    }

    auto *names = probe.control<QListWidget>("List1(0)");
    QCOMPARE(names->count(), 46);
    QCOMPARE(names->item(0)->text(), QStringLiteral("Белово"));
    QCOMPARE(names->item(45)->text(), QStringLiteral("Ямбол"));
    QVERIFY(!names->isSortingEnabled());
    QVERIFY(names->selectedItems().isEmpty());
    QCOMPARE(probe.control<QListWidget>("List1(1)")->count(), 46);

    // The introduction, ten lines, shown without the carriage returns.
    const QString introduction = QString::fromUtf8(window::kIntroduction.data(),
                                                   qsizetype(window::kIntroduction.size()));
    QCOMPARE(introduction.size(), 1046);
    QCOMPARE(introduction.count(QStringLiteral("\r\n")), 10);
    QVERIFY(introduction.contains(QStringLiteral("Искър,Калофер,\r\n")));
    QVERIFY(introduction.contains(QStringLiteral("между  реки и селище.")));
    auto *report = probe.control<QPlainTextEdit>("Text1(0)");
    QCOMPARE(report->toPlainText(), QString(introduction).remove(QLatin1Char('\r')));
    QVERIFY(report->isReadOnly());
    QCOMPARE(report->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(report->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(report->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(report->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));

    const QString quotation =
        QString::fromUtf8(window::kQuotation.data(), qsizetype(window::kQuotation.size()));
    QCOMPARE(quotation.size(), 118);
    QVERIFY(quotation.endsWith(QStringLiteral("било. \r\n")));
    // The hidden box holds the quotation; its widget, never shown, lays out nothing.
    QCOMPARE(probe.form().controls().textBoxes("Text1")(1).text(), window::kQuotation);
}

void LayoutTest::everyControlUsesTheFormsFont()
{
    WindowProbe probe;
    for (QWidget *widget : probe.window()->findChildren<QWidget *>()) {
        if (!widget->objectName().contains(QLatin1Char('(')) &&
            widget->objectName() != QLatin1String("Frame1"))
            continue;
        const QFont font = widget->font();
        QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(font.weight(), QFont::Normal);
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
        // Where Times New Roman is missing, a metric-compatible face stands in.
        const QString shown = QFontInfo(font).family();
        QVERIFY2(QStringList({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                              QStringLiteral("Tinos")})
                     .contains(shown),
                 qPrintable(shown));
    }
}

void LayoutTest::tabChainAndFirstFocus()
{
    WindowProbe probe;
    QCOMPARE(probe.window()->focusWidget(), probe.control("Text1(0)"));
    QStringList chain;
    QWidget *widget = probe.control("Text1(0)");
    do {
        if (widget->isVisibleTo(probe.window()) && (widget->focusPolicy() & Qt::TabFocus) &&
            !widget->objectName().isEmpty())
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget && widget != probe.control("Text1(0)"));
    QCOMPARE(chain, QStringList({"Text1(0)", "Option1(0)", "Option1(1)", "Option1(2)",
                                 "Option1(3)", "List1(0)", "Option1(5)", "Option1(6)",
                                 "Option1(7)", "Option1(4)"}));
    for (const char *noFocus : {"Label1(0)", "Label1(1)", "Frame1"})
        QCOMPARE(probe.control(noFocus)->focusPolicy(), Qt::NoFocus);
}

void LayoutTest::stackingAtEachOverlap_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("onTop");
    // List1(0) covers the bottom row of Label1(1).
    QTest::newRow("Label1(1) under List1(0)") << QPoint(250, 64) << "List1(0)";
    QTest::newRow("Label1(1) above the list") << QPoint(250, 63) << "Label1(1)";
    // Option buttons, in window coordinates: the frame is at (64, 32), the
    // buttons at x 72 and y 56 + 16 i, 19 rows high, so neighbours share 3.
    const char *upper[] = {"Option1(1)", "Option1(2)", "Option1(3)", "Option1(4)",
                           "Option1(4)", "Option1(6)", "Option1(7)"};
    for (int river = 0; river < 7; ++river) {
        for (int row = 0; row < 3; ++row) {
            const QString name = QStringLiteral("Option1(%1)/Option1(%2) row %3")
                                     .arg(river)
                                     .arg(river + 1)
                                     .arg(row);
            QTest::newRow(qPrintable(name))
                << QPoint(150, 56 + 16 * (river + 1) + row) << QString::fromLatin1(upper[river]);
        }
    }
}

void LayoutTest::stackingAtEachOverlap()
{
    QFETCH(QPoint, point);
    QFETCH(QString, onTop);
    WindowProbe probe;
    QCOMPARE(probe.controlAt(point), onTop);
}

void LayoutTest::accessibleNames()
{
    WindowProbe probe;
    const auto nameOf = [&](const char *control) {
        return QAccessible::queryAccessibleInterface(probe.control(control))
            ->text(QAccessible::Name);
    };
    QCOMPARE(nameOf("List1(0)"), QStringLiteral("Селища"));
    QCOMPARE(probe.control<QLabel>("Label1(1)")->buddy(), probe.control("List1(0)"));
    QCOMPARE(nameOf("Frame1"), QStringLiteral("Реки"));
    QCOMPARE(nameOf("Option1(3)"), QStringLiteral("река Огоста"));
    QCOMPARE(nameOf("Text1(0)"), QStringLiteral("Релация между реки и селища"));
}

void LayoutTest::hiddenControlsStayHidden()
{
    WindowProbe probe;
    QTest::mouseClick(probe.control("Option1(2)"), Qt::LeftButton, {}, QPoint(100, 9));
    auto *names = probe.control<QListWidget>("List1(0)");
    QTest::mouseClick(names->viewport(), Qt::LeftButton, {},
                      names->visualItemRect(names->currentItem()).center());
    QCoreApplication::processEvents();
    QVERIFY(!probe.control("List1(1)")->isVisible());
    QVERIFY(!probe.control("Text1(1)")->isVisible());
    QCOMPARE(probe.control<QListWidget>("List1(1)")->count(), 46);
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
