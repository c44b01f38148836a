// TForm4: the result dialog of a passed run.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);
    // Sets the three result lines and shows the dialog modally, above the ticket window.
    void showResult(const QString &line1, const QString &line2, const QString &line3);

public slots:
    // Only OK closes the dialog: Esc and the window manager's close request do nothing.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *label1_;
    QLabel *label2_;
    QLabel *label3_;
    QLabel *label4_;
    QPushButton *bitBtn1_;
};
