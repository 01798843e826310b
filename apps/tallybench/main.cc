// tallybench: the steel-pipe tally tool.
int main() { return 0; }
