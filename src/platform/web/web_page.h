#pragma once
// What the program asks of the page around it: the numbers of its address (zarvo.html?seed=7),
// the screen's size, and telling the page how the program's start goes.
namespace zarvo {

// Answers the number given as `name` in the page's address, or `otherwise`.
double Page_Query_Number(const char* name, double otherwise);

// The daily game the address asks for (?daily or #daily, or with =D a difficulty 1..3): its
// difficulty, 1 when none is given, 0 when the address asks for none.
int Page_Daily_Difficulty();
// The daily game ended: the page shows its line and copies it, with the run's link, to the
// clipboard.
void Page_Daily_Done(const char* line);

// The size of the screen the browser runs on, in CSS pixels.
void Page_Screen_Size(int& width, int& height);

// The program is painting its pictures and sounds: the page shows its progress bar and asks
// for the painting slice by slice (zarvo_prepare), answering input in between.
void Page_Prepare();

// Whether the game shows a box of its own over the picture (a pause, a lost keyboard, the
// help): the page's note that a click starts play then keeps quiet, and only catches the click.
void Page_Shows_Box(bool shown);

// The program is ready: the page takes down its note and keeps its start-up time, and how
// much of it went into preparing the pictures and sounds.
void Page_Started(double preparing_ms);

}  // namespace zarvo
