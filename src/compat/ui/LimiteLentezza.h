#pragma once
// The slow-answer bound of one transfer: fewer than 1,000 bytes received in
// the last `finestra` (a second at least), once that much time has gone by
// since the request started.
//
// Arrivals within a second of an entry's first are added to that entry, so
// the entries kept are about one a second whatever the size of the pieces.
// An entry leaves the window with its last arrival: the bound is never
// stricter than counting every piece apart, and at most a second laxer.
#include <QtGlobal>
#include <chrono>
#include <cstddef>
#include <deque>

namespace compat {

class LimiteLentezza {
public:
    using Orologio = std::chrono::steady_clock;

    LimiteLentezza(std::chrono::seconds finestra, Orologio::time_point inizio);

    void ricevuti(qint64 byte, Orologio::time_point adesso);
    bool troppoLento(Orologio::time_point adesso);
    std::size_t voci() const { return arrivi_.size(); }

private:
    struct Voce {
        Orologio::time_point prima, ultima;
        qint64 byte;
    };
    Orologio::duration finestra_;
    Orologio::time_point inizio_;
    std::deque<Voce> arrivi_;
    qint64 nellaFinestra_ = 0;
};

} // namespace compat
