// SPDX-License-Identifier: GPL-3.0-or-later
// The window as it reaches the screen of a real X server: the colours read
// back from the screen inside each coloured area, and every caption and
// entry fitting its control.
#include "window_probe.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace {

const QColor kLavender(192, 192, 255);
const QColor kLightGreen(128, 255, 128);
const QColor kLightOrange(255, 192, 128);

QRect captionRect(QRadioButton *option)
{
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = option->text();
    return option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
}

} // namespace

class ScreenTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void colours_data();
    void colours();
    void optionCaptionsFitTheirBands();
    void labelAndFrameCaptionsFit();
    void listEntriesFitTheList();

private:
    // Screen pixels at a point of the window's client area.
    QColor pixelAt(QPoint point) const
    {
        return m_screen.pixelColor(m_probe->window()->mapToGlobal(point));
    }

    std::unique_ptr<WindowProbe> m_probe;
    QImage m_screen;
};

void ScreenTest::init()
{
    m_probe = std::make_unique<WindowProbe>();
    QWidget *window = m_probe->window();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // Let every pending paint reach the server before reading it back.
    QTest::qWait(200);
    m_screen = window->screen()->grabWindow(0).toImage();
    QVERIFY(!m_screen.isNull());
}

void ScreenTest::cleanup()
{
    m_probe.reset();
}

void ScreenTest::colours_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("form, left margin") << QPoint(20, 100) << kLavender;
    QTest::newRow("form, between frame and list") << QPoint(200, 150) << kLavender;
    QTest::newRow("form, right margin") << QPoint(440, 100) << kLavender;
    QTest::newRow("frame, right of the buttons") << QPoint(64 + 124, 32 + 80) << kLavender;
    QTest::newRow("title band, left end") << QPoint(66, 22) << kLightOrange;
    QTest::newRow("title band, right end") << QPoint(366, 22) << kLightOrange;
    QTest::newRow("heading band, left end") << QPoint(210, 42) << kLightOrange;
    QTest::newRow("heading band, right end") << QPoint(366, 42) << kLightOrange;
    for (int river = 0; river < 8; ++river)
        QTest::newRow(qPrintable(QStringLiteral("Option1(%1) band").arg(river)))
            << QPoint(64 + 8 + 110, 32 + 24 + 16 * river + 9) << kLightGreen;
}

void ScreenTest::colours()
{
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);
    QCOMPARE(pixelAt(point), colour);
}

void ScreenTest::optionCaptionsFitTheirBands()
{
    for (int river = 0; river < 8; ++river) {
        auto *option = m_probe->control<QRadioButton>(
            qPrintable(QStringLiteral("Option1(%1)").arg(river)));
        const QRect caption = captionRect(option);
        const int advance = QFontMetrics(option->font()).horizontalAdvance(option->text());
        QVERIFY2(caption.left() + advance <= option->width(), qPrintable(option->text()));
        // Right of the caption the band shows nothing but its colour.
        for (int x = caption.left() + advance + 1; x < option->width(); ++x) {
            const QPoint point = option->mapTo(m_probe->window(), QPoint(x, 9));
            QCOMPARE(pixelAt(point), kLightGreen);
        }
    }
}

void ScreenTest::labelAndFrameCaptionsFit()
{
    for (const char *name : {"Label1(0)", "Label1(1)"}) {
        auto *label = m_probe->control<QLabel>(name);
        const QFontMetrics metrics(label->font());
        QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(), name);
        QVERIFY2(metrics.height() <= label->height(), name);
    }
    auto *frame = m_probe->control<QGroupBox>("Frame1");
    QVERIFY(QFontMetrics(frame->font()).horizontalAdvance(frame->title()) < frame->width());
}

void ScreenTest::listEntriesFitTheList()
{
    auto *names = m_probe->control<QListWidget>("List1(0)");
    const QFontMetrics metrics(names->font());
    for (int row = 0; row < names->count(); ++row) {
        const QString name = names->item(row)->text();
        QVERIFY2(metrics.horizontalAdvance(name) + 6 <= names->viewport()->width(),
                 qPrintable(name));
    }
    // Whole rows only: the visible rows fill the viewport exactly.
    const int rowHeight = names->visualItemRect(names->item(0)).height();
    QVERIFY(rowHeight >= metrics.height());
    QCOMPARE(names->viewport()->height() % rowHeight, 0);
}

QTEST_MAIN(ScreenTest)
#include "screen_test.moc"
