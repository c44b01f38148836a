// TForm1: the ticket window; carries out the run's display operations.
#pragma once

#include "RunDisplay.h"

#include <QWidget>

class TForm1 : public QWidget, public RunDisplay {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;
};
