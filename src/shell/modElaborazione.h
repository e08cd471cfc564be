#pragma once
// Long computations run inside a button handler: the busy state that keeps a
// second one (and the closing of their windows) out while one runs, and the
// mouse pointer shown meanwhile.
#include <QtGlobal>

// True while a CalcoloScope lives. Unlike ElaborazioneInCorso, which a
// rejected date clears (CercaEstrazione), only the computation's own end
// clears it.
bool CalcoloInCorso();
// ElaborazioneInCorso or CalcoloInCorso(): what refuses a new computation and
// a close by the user.
bool ElaborazioneAttiva();

// The span of one computation. Start: ElaborazioneInCorso = True, StopRicerca
// = False, the Esc latch cleared. End (any path): ElaborazioneInCorso = False,
// the Esc latch cleared; the guard drops when the outermost scope ends.
// StopRicerca is left as it is: a stop's clean-up clears it itself.
class CalcoloScope {
public:
    CalcoloScope();
    ~CalcoloScope();
    CalcoloScope(const CalcoloScope&) = delete;
    CalcoloScope& operator=(const CalcoloScope&) = delete;
};

// The screen's mouse pointer (0 default, 11 hourglass; other codes show the
// default arrow).
int MousePointerSchermo();
void ImpostaMousePointerSchermo(int puntatore);

// Sets the screen's pointer for its lifetime: the first SetPointer saves the
// pointer in force, the release puts it back; never set, it restores nothing.
class CMouse {
public:
    CMouse() = default;
    ~CMouse();
    CMouse(const CMouse&) = delete;
    CMouse& operator=(const CMouse&) = delete;
    void SetPointer(int nuovoPuntatore);

private:
    qint16 PuntatoreSalvato = 0;
    bool salvato_ = false;
};
