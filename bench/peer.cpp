// SPDX-License-Identifier: GPL-3.0-or-later
// A straightforward Qt rendering of the same window and behaviour, written
// the usual way: widgets set up in code, signals to lambdas, each report
// built in one string and set once. The benchmark's reference.
//
//   peer                       shows the window
//   peer --chains river|settlement N   runs N chains offscreen, for callgrind
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <array>
#include <cstring>

namespace {

const char *const kRivers[] = {"река Арда", "река Искър", "река Марица", "река Огоста",
                               "река Осъм", "река Струма", "река Тунджа", "река Янтра"};
const char *const kSettlements[] = {
    "Белово", "Благоевград", "Бобошево", "Бяла", "Велико Търново", "Габрово", "Горна Оряховица",
    "Димитровград", "Долна баня", "Дряново", "Елхово", "Земен", "Искър", "Калофер", "Койнаре",
    "Костенец", "Кочериново", "Кресна", "Кърджали", "Летница", "Ловеч", "Любимец", "Маджарово",
    "Мездра", "Монтана", "Нови Искър", "Павел баня", "Пазарджик", "Перник", "Пловдив", "Първомай",
    "Радомир", "Роман", "Рудозем", "Самоков", "Свиленград", "Своге", "Симеоновград", "Симитли",
    "София", "Стамболийски", "Троян", "Харманли", "Червен бряг", "Чипровци", "Ямбол"};
const int kRiverOf[] = {2, 5, 5, 7, 7, 7, 7, 2, 2, 7, 6, 5, 1, 6, 1, 2, 5, 5, 0, 4, 4, 2, 0, 1,
                        3, 1, 6, 2, 5, 2, 2, 5, 1, 0, 1, 2, 1, 2, 5, 1, 2, 4, 2, 1, 3, 6};

class Window : public QWidget
{
public:
    Window()
    {
        setWindowTitle(QStringLiteral("https://reki-i-selishta.example   География - реки и селища"));
        setFixedSize(461, 379);
        setFont(QFont(QStringLiteral("Times New Roman"), 12));
        QPalette lavender = palette();
        lavender.setColor(QPalette::Window, QColor(192, 192, 255));
        setPalette(lavender);
        setAutoFillBackground(true);

        auto *title = new QLabel(QStringLiteral("География - реки и селища в България"), this);
        title->setGeometry(64, 0, 305, 25);
        title->setAlignment(Qt::AlignHCenter);
        title->setStyleSheet(QStringLiteral("background: rgb(255, 192, 128)"));
        auto *heading = new QLabel(QStringLiteral("Селища"), this);
        heading->setGeometry(208, 40, 161, 25);
        heading->setAlignment(Qt::AlignHCenter);
        heading->setStyleSheet(QStringLiteral("background: rgb(255, 192, 128)"));

        auto *frame = new QGroupBox(QStringLiteral("Реки"), this);
        frame->setGeometry(64, 32, 129, 161);
        for (int river = 0; river < 8; ++river) {
            auto *button = new QRadioButton(QString::fromUtf8(kRivers[river]), frame);
            button->setGeometry(8, 24 + 16 * river, 113, 19);
            connect(button, &QRadioButton::toggled, this, [this, river](bool checked) {
                if (checked && !m_busy)
                    chooseRiver(river);
            });
            m_rivers[river] = button;
        }
        m_list = new QListWidget(this);
        m_list->setGeometry(208, 64, 161, 137);
        for (const char *name : kSettlements)
            m_list->addItem(QString::fromUtf8(name));
        connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
            if (!m_busy && m_list->currentRow() >= 0)
                chooseSettlement(m_list->currentRow());
        });
        m_report = new QPlainTextEdit(this);
        m_report->setGeometry(8, 208, 449, 161);
        m_report->setReadOnly(true);
        m_report->setPlainText(QStringLiteral("Да се реализира проект, представящ междупредметни "
                                              "връзки География и Информатика."));
    }

    void chooseRiver(int river)
    {
        m_busy = true;
        int last = showReport(river);
        m_list->setCurrentRow(last);
        m_busy = false;
    }

    void chooseSettlement(int settlement)
    {
        m_busy = true;
        m_rivers[kRiverOf[settlement]]->setChecked(true);
        showReport(kRiverOf[settlement]);
        m_busy = false;
    }

    int showReport(int river)
    {
        QString text = QStringLiteral("Избрана: ") + QString::fromUtf8(kRivers[river]) +
                       QStringLiteral("\nСелища:\n");
        int last = -1;
        for (int settlement = 0; settlement < 46; ++settlement)
            if (kRiverOf[settlement] == river) {
                text += QString::fromUtf8(kSettlements[settlement]) + QLatin1Char('\n');
                last = settlement;
            }
        m_report->setPlainText(text);
        return last;
    }

    QRadioButton *m_rivers[8] = {};
    QListWidget *m_list = nullptr;
    QPlainTextEdit *m_report = nullptr;
    bool m_busy = false;
};

Window *benchWindow;
bool benchRivers;
int benchCount;

} // namespace

// What callgrind counts: the chains alone, each with the events it leaves.
extern "C" void runChains()
{
    for (int i = 0; i < benchCount; ++i) {
        if (benchRivers)
            benchWindow->m_rivers[i % 8]->setChecked(true);
        else
            benchWindow->m_list->setCurrentRow((i * 7) % 46);
        QCoreApplication::processEvents();
    }
}

int main(int argc, char **argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--chains") == 0)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Window window;
    window.show();
    if (argc == 4 && std::strcmp(argv[1], "--chains") == 0) {
        benchWindow = &window;
        benchRivers = std::strcmp(argv[2], "river") == 0;
        benchCount = std::atoi(argv[3]);
        QCoreApplication::processEvents();
        runChains();
        return 0;
    }
    return QApplication::exec();
}
