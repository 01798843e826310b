// rentdesk: the rental ledger.
int main() { return 0; }
