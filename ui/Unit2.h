// TForm2: the main window.
#pragma once

#include <QWidget>

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr); // runs FormCreate
    ~TForm2() override;                          // runs FormDestroy

    // Whether FormCreate stopped the program (no data.dat): main() then exits with 0.
    bool startupAborted() const { return startupAborted_; }

    void FormCreate();
    void FormDestroy();
    void FormShow(); // the refresh

protected:
    bool startupAborted_ = false;
};
