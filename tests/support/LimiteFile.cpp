#include "LimiteFile.h"

#include <csignal>

#include <sys/resource.h>

LimiteFile::LimiteFile(qint64 byte)
{
    rlimit r{};
    ::getrlimit(RLIMIT_FSIZE, &r);
    vecchioLimite_ = r.rlim_cur;
    vecchioSegnale_ = std::signal(SIGXFSZ, SIG_IGN);
    r.rlim_cur = rlim_t(byte);
    ::setrlimit(RLIMIT_FSIZE, &r);
}

LimiteFile::~LimiteFile()
{
    rlimit r{};
    ::getrlimit(RLIMIT_FSIZE, &r);
    r.rlim_cur = rlim_t(vecchioLimite_);
    ::setrlimit(RLIMIT_FSIZE, &r);
    std::signal(SIGXFSZ, vecchioSegnale_);
}
