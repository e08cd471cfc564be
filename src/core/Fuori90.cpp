#include "core/Fuori90.h"

int SommaFuori90(int a, int b)
{
    const int r = a + b;
    return r > 90 ? r - 90 : r;
}

int DifferenzaFuori90(int a, int b)
{
    const int r = a - b;
    return r < 0 ? r + 90 : r;
}

int ProdottoFuori90(int a, int b)
{
    const int r = (a * b) % 90;
    return r == 0 ? 90 : r;
}
