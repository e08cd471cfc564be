#pragma once
// Small shared procedures: number classifications, file test, key filter, sort.
#include <QString>
#include <QStringView>
#include <random>
#include <utility>
#include <vector>

int Cadenza(int n);          // last decimal digit
int IndiceDecina(int n);     // 0-based decade: 1..10 -> 0, .., 81..90 -> 8
int NumeroDecina(int n);     // 1-based decade: 1..10 -> 1, .., 81..90 -> 9
int SerieDiagonale(int n);   // i of the series i, i + 11, i + 22, ...
bool FileEsiste(QStringView percorso);
int SoloNumeri(int keyAscii); // control keys and digits pass, anything else is 0
// The address of file `nome` under the base address of the maker's site; the
// stored base need not end in "/".
QString IndirizzoFile(QStringView base, QStringView nome);

namespace detail {
std::minstd_rand& generatoreQuickSort();
}

// Sorts a[primo..ultimo] ascending in place, random pivot. Equal values are
// grouped around the pivot and the smaller side is sorted first while the
// larger one is handled by the loop, so the depth stays within log n even
// when most values are equal.
template <class T>
void QuickSort(std::vector<T>& a, int primo, int ultimo)
{
    while (ultimo > primo) {
        std::uniform_int_distribution<int> dist(primo, ultimo);
        const T v = a[dist(detail::generatoreQuickSort())];
        int lt = primo, i = primo, gt = ultimo;
        while (i <= gt) {
            if (a[i] < v)
                std::swap(a[lt++], a[i++]);
            else if (v < a[i])
                std::swap(a[i], a[gt--]);
            else
                ++i;
        }
        // a[primo..lt-1] < v, a[lt..gt] == v, a[gt+1..ultimo] > v
        if (lt - primo < ultimo - gt) {
            QuickSort(a, primo, lt - 1);
            primo = gt + 1;
        } else {
            QuickSort(a, gt + 1, ultimo);
            ultimo = lt - 1;
        }
    }
}
