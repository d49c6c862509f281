// Placeholder until the engine's start-up lands.
int main() { return 0; }
