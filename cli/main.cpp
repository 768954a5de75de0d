#include <cstdio>

int main() {
    std::puts("Inverter " CONVERTER_VERSION);
    return 0;
}
