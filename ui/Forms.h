// The four windows, created once at start-up in this order: TForm2, TForm1, TForm3, TForm4.
#pragma once

class TForm1;
class TForm2;
class TForm3;
class TForm4;

extern TForm2 *Form2; // main window
extern TForm1 *Form1; // ticket window
extern TForm3 *Form3; // dial pictures
extern TForm4 *Form4; // result dialog
