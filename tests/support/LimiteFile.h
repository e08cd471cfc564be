#pragma once
// A real short write for the tests: while one of these lives, a write that
// would make any file of this process larger than the limit writes what fits
// and then fails with EFBIG, as on a disk that fills up (the signal that
// would end the process is ignored meanwhile).
#include <QtGlobal>

class LimiteFile {
public:
    explicit LimiteFile(qint64 byte);
    ~LimiteFile();
    LimiteFile(const LimiteFile&) = delete;
    LimiteFile& operator=(const LimiteFile&) = delete;

private:
    unsigned long long vecchioLimite_ = 0;
    void (*vecchioSegnale_)(int) = nullptr;
};
