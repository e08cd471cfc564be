#include "core/Procedure.h"

#include "compat/files.h"

#include <cstdlib>

int Cadenza(int n)
{
    return std::abs(n) % 10;
}

namespace {
int intDiv10(int n)   // Int(n / 10): rounds down
{
    return n >= 0 ? n / 10 : -((-n + 9) / 10);
}
} // namespace

int IndiceDecina(int n)
{
    return intDiv10(n) - (n % 10 == 0 ? 1 : 0);
}

int NumeroDecina(int n)
{
    return intDiv10(n) + (n % 10 != 0 ? 1 : 0);
}

int SerieDiagonale(int n)
{
    for (int i = 1; i <= 2; ++i)
        for (int j = 0; j <= 8; ++j)
            if (i + 11 * j == n)
                return i;
    for (int i = 3; i <= 10; ++i)
        for (int j = 0; j <= 7; ++j)
            if (i + 11 * j == n)
                return i;
    return std::abs(n) % 10 + 2;
}

bool FileEsiste(QStringView percorso)
{
    return compat::fileExists(percorso);
}

int SoloNumeri(int keyAscii)
{
    if (keyAscii < 32 || (keyAscii >= '0' && keyAscii <= '9'))
        return keyAscii;
    return 0;
}

std::minstd_rand& detail::generatoreQuickSort()
{
    static std::minstd_rand g(20260308u);
    return g;
}

QString IndirizzoFile(QStringView base, QStringView nome)
{
    QString url = base.toString();
    if (!url.endsWith(u'/'))
        url += u'/';
    return url + nome.toString();
}
