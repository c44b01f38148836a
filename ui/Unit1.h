// TForm1: the ticket window; carries out the run's display operations.
#pragma once

#include "RunDisplay.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class QItemSelection;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMessageBox;
class QPushButton;
class QScrollArea;
class QTimer;
class QToolButton;

class TForm1 : public QWidget, public RunDisplay {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Item data role that holds a question row's AnswerMark.
    static constexpr int MarkRole = Qt::UserRole + 1;

    // Controls, public so that tests can reach them by name.
    QLabel *Label6 = nullptr;        // exam clock
    QLabel *Label5 = nullptr;        // notice line
    QToolButton *SpeedButton1 = nullptr; // help
    QListWidget *ListView1 = nullptr;    // the 20 questions with their marks
    QScrollArea *ScrollBox1 = nullptr;
    QLabel *Label1 = nullptr;        // header
    QLabel *Image1 = nullptr;        // picture
    QLabel *Label2 = nullptr;        // question text
    QLabel *Label3 = nullptr;        // answers
    QLabel *Label4 = nullptr;        // comment
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QPushButton *BitBtn4 = nullptr;
    QPushButton *BitBtn5 = nullptr;
    QPushButton *BitBtn7 = nullptr;  // STOP
    QTimer *Timer1 = nullptr;        // exam clock, 1 s

    // Answer button k, 1..5; nullptr for any other k.
    QPushButton *answerButton(int k) const;

    // Event handlers.
    void FormShow();
    void ListView1SelectItem(const QItemSelection &selected, const QItemSelection &deselected);
    void BitBtn1Click();
    // A character typed while the list has the focus; true when it was a digit 1..5.
    bool ListView1KeyPress(QChar key);
    void BitBtn7Click();
    void Timer1Timer();
    void SpeedButton1Click();

    // RunDisplay
    void setHeader(const QString &text) override;
    void showPicture(const QImage &picture) override;
    void hidePicture() override;
    void placeQuestionText(int left, int width) override;
    void setQuestionText(const QString &text) override;
    void setAnswersText(const QString &text) override;
    void setCommentText(const QString &text) override;
    void setCommentVisible(bool visible) override;
    void setAnswerButtonVisible(int k, bool visible) override;
    void setAnswerButtonsEnabled(bool enabled) override;
    AnswerMark mark(int row) const override;
    void setMark(int row, AnswerMark mark) override;
    int selectedRow() const override;
    void selectRow(int row) override;
    void setFocusMark(int row) override;
    void focusList() override;
    bool askOkCancel(const QString &text) override;
    void showNotice(const QString &text, NoticeIcon icon) override;
    void pressStop() override;
    void startClock() override;
    void stopClock() override;
    bool clockRunning() const override;
    void setClockText(const QString &text) override;
    void setClockVisible(bool visible) override;
    void showResult(const QString &line1, const QString &line2, const QString &line3) override;
    void showMainWindowHere() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    QListWidgetItem *rowItem(int row) const;
    // Runs a box owned by this window; true when OK was clicked.
    bool runBox(QMessageBox *box);

    QList<QPointer<QMessageBox>> openBoxes_;
    bool shownBefore_ = false;
};
