#pragma once
// Help: the file Quorvane.chm beside the program, opened by the desktop at
// its contents or, as far as the desktop allows, at a context number.
#include <QPointer>
#include <QString>
#include <QWidget>

// Help context numbers of the windows' help buttons.
enum ContestoGuida : int {
    GuidaInputEstrazioni = 1010,
    GuidaConsultaEstrazioni = 1020,
    GuidaElenco = 1030,
    GuidaSommeDistanze = 1030,
    GuidaAggiornamenti = 1040,
    GuidaAggiornaInternet = 1050,
    GuidaEsportazione = 1060,
    GuidaStampaEstrazioni = 1070,
    GuidaQuorvane = 2010,
    GuidaSommativaAmbi = 2020,
    GuidaOpzioni = 3010,
    GuidaEsclusioni = 3020,
};

class cHtmlHelp {
public:
    QWidget* OwnerHwnd() const { return owner_; }
    void setOwnerHwnd(QWidget* w) { owner_ = w; }
    QString HelpFile() const { return file_; }
    void setHelpFile(const QString& f) { file_ = f; }

    // Each returns the help window's handle as the original did; the desktop
    // gives none, so 0. Callers ignore it.
    qint32 DisplayContext(qint32 contesto);
    qint32 DisplayTopic(const QString& argomento);
    qint32 PopUp(const QString& testo);
    qint32 DisplaySearch();
    qint32 DisplayTOC();
    qint32 DisplayIndex(const QString& parola);
    qint32 HelpContextPop(QWidget* controllo = nullptr);
    // Every help button: HelpContext(n, ""). Never fails.
    qint32 HelpContext(qint32 contesto, const QString& nomeFinestra);

    // HelpFile without a topic part "::/...".
    QString VerificaPercorso() const;

private:
    QPointer<QWidget> owner_;
    QString file_;
};

// The program's help object, bound to the main window by its Load and
// released by its Unload.
cHtmlHelp& Guida();
