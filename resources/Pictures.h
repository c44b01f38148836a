// The pictures the program carries, drawn by tools/artwork at build time.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace Pictures {

enum class Glyph {
    Help,      // blue hexagon with a yellow question mark ("Помощь", ticket window help)
    Learning,  // brown car ("Обучение")
    Training,  // red burst with a yellow lightning bolt ("Тренировка")
    Exam,      // red yin-yang ("Экзамен")
    Manual,    // blue telephone tile ("Справка")
    Reset,     // brown paw print ("Обнулить результаты")
    Digit1, Digit2, Digit3, Digit4, Digit5, // answer buttons
    Stop,      // red no-entry sign over a yellow and green disc ("СТОП")
    Ok,        // multicoloured zigzag (result dialog)
};

constexpr int SpeedometerFrameCount = 22;

QImage speedometerFrame(int n);   // 133 x 209, needle at 5 x n; decoded from JPEG
QImage banner();                  // 588 x 209; decoded from JPEG
QPixmap car();                    // 192 x 192 blue car seen from the front
QIcon programIcon();              // 32 x 32
QIcon statusIcon(int status);     // TicketStatus 0..3; 16 x 16
QIcon markIcon(int mark);         // AnswerMark 0..2; 16 x 16
QIcon glyph(Glyph which);         // 16 x 16

} // namespace Pictures
