// The windowed game and the headless runner's command line.
int main() { return 0; }
