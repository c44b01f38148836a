// TForm3: never shown; holds the 22 speedometer frames.
#pragma once

#include <QImage>
#include <QVector>
#include <QWidget>

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);
    // Frame n, 0..21: the needle at 5 x n. Any other n throws ListIndexError.
    QImage frame(int n) const;
    int frameCount() const { return static_cast<int>(frames_.size()); }

private:
    QVector<QImage> frames_;
};
