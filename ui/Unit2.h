// TForm2: the main window.
#pragma once

#include "Types.h"

#include <QWidget>
#include <cstdint>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;

// The exam's ticket draw: seeded once from the clock at start-up, uniform over 1..40.
void seedTicketDraw();
int drawExamTicket();

// A ticket's stored result in words, as the ticket list tells it to screen readers;
// values outside 0..3 read as not taken, like their icon.
QString ticketStatusWords(std::int32_t status);

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr); // runs FormCreate
    ~TForm2() override;                          // runs FormDestroy

    // Whether FormCreate stopped the program: main() then exits at once with startupExitCode()
    // (0 when data.dat is missing, 1 when it exists but cannot be opened).
    bool startupAborted() const { return startupAborted_; }
    int startupExitCode() const { return startupExitCode_; }

    void FormCreate();
    void FormDestroy();
    void FormShow(); // the refresh

    // Event handlers; the widgets call them through guarded().
    void BitBtn1Click(); // "Обучение"
    void BitBtn2Click(); // "Тренировка"
    void BitBtn3Click(); // "Экзамен"
    void SpeedButton1Click();
    void N1Click();      // "Справка"
    void N3Click();      // "Обнулить результаты"
    void Timer1Timer();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    bool startupAborted_ = false;
    int startupExitCode_ = 0;

private:
    void createControls();
    void startRun(RunMode mode);

    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Label6 = nullptr;
    QListWidget *ListView1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *N1 = nullptr;
    QAction *N3 = nullptr;
    QTimer *Timer1 = nullptr;
    bool shownBefore_ = false;
};
