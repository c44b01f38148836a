// TForm4: the result dialog of a passed run.
#pragma once

#include <QDialog>

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);
    // Sets the three result lines and shows the dialog modally, above the ticket window.
    void showResult(const QString &line1, const QString &line2, const QString &line3);
};
