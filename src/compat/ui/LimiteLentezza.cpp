#include "compat/ui/LimiteLentezza.h"

#include <algorithm>

namespace compat {

namespace {

constexpr qint64 kMinimoByte = 1000;
constexpr std::chrono::seconds kRaggruppa{1};

} // namespace

LimiteLentezza::LimiteLentezza(std::chrono::seconds finestra, Orologio::time_point inizio)
    : finestra_(std::max(finestra, std::chrono::seconds(1))), inizio_(inizio)
{
}

void LimiteLentezza::ricevuti(qint64 byte, Orologio::time_point adesso)
{
    if (!arrivi_.empty() && adesso - arrivi_.back().prima < kRaggruppa) {
        arrivi_.back().ultima = adesso;
        arrivi_.back().byte += byte;
    } else {
        arrivi_.push_back({adesso, adesso, byte});
    }
    nellaFinestra_ += byte;
}

bool LimiteLentezza::troppoLento(Orologio::time_point adesso)
{
    while (!arrivi_.empty() && arrivi_.front().ultima <= adesso - finestra_) {
        nellaFinestra_ -= arrivi_.front().byte;
        arrivi_.pop_front();
    }
    return adesso - inizio_ >= finestra_ && nellaFinestra_ < kMinimoByte;
}

} // namespace compat
