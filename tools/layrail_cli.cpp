#include <cstdio>

int main()
{
    std::fputs("usage: layrail-cli COMMAND ...\n", stderr);
    return 2;
}
