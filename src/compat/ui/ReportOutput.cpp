#include "compat/ui/ReportOutput.h"

#include "compat/files.h"
#include "compat/ui/LinePrinter.h"
#include "compat/ui/Platform.h"

namespace compat {

namespace {

// The failures of the output kit carry this title.
const QString kErrorTitle = QStringLiteral("Errore");

} // namespace

bool refuseOwnFile(const QString& name, const QString& title)
{
    if (!isOwnFile(name))
        return false;
    vbMsgBox(ownFileMessage(name), vbOKOnly | vbCritical, title);
    return true;
}

std::optional<OutputFile> askOutputFile(const QString& proposedName, IfExists ifExists)
{
    FileRequest request;
    request.title = QStringLiteral("Salva risultati su file");
    request.filter = QStringLiteral("File di testo (*.Txt)|*.Txt");
    request.filterIndex = 1;
    request.initialName = proposedName;
    const std::optional<QString> name = platform().fileDialogs().save(request);
    if (!name || name->isEmpty())
        return std::nullopt;
    // The question is about the file there, which may differ from the name
    // typed in letter case only: that file is replaced or added to, never
    // left beside a new one. Both are refused before it when one of them is
    // the program's own (the writer refuses it too).
    const bool exists = fileExists(*name);
    const QString existing = exists ? existingFile(*name) : QString();
    OutputFile file{existing.isEmpty() ? *name : existing, WriteMode::Replace};
    if (refuseOwnFile(*name, kErrorTitle)
        || (file.path != *name && refuseOwnFile(file.path, kErrorTitle)))
        return std::nullopt;
    if (!exists)
        return file;
    if (ifExists == IfExists::AskOverwrite) {
        const int answer = vbMsgBox(QStringLiteral("Il file ") + *name
                                        + QStringLiteral(" è già esistente. Sovrascrivi ?"),
                                    vbYesNo + vbExclamation + vbDefaultButton2,
                                    QStringLiteral("Conferma"));
        if (answer != vbYes)
            return std::nullopt;
        return file;
    }
    const int answer = vbMsgBox(QStringLiteral("Il file ") + *name
                                    + QStringLiteral(" è già esistente. Le informazioni vanno aggiunte in calce ?"),
                                vbYesNoCancel + vbExclamation + vbDefaultButton2,
                                QStringLiteral("Conferma"));
    if (answer == vbYes)
        file.mode = WriteMode::Append;
    else if (answer != vbNo)
        return std::nullopt;
    return file;
}

bool finishOutput(TextOutput& out)
{
    if (out.commit())
        return true;
    vbMsgBox(out.error(), vbCritical, kErrorTitle);
    return false;
}

bool writeOutputFile(const OutputFile& file, const QStringList& lines)
{
    TextOutput out(file.path, file.mode);
    for (const QString& l : lines)
        out.writeLine(l);
    return finishOutput(out);
}

std::optional<int> askPrintCopies()
{
    const std::optional<int> copies = platform().printerDialog().ask();
    if (!copies || refuseOwnFile(platform().printerDialog().chosenFile(), kErrorTitle))
        return std::nullopt;
    return std::max(1, *copies);
}

bool finishPrint(ILinePrinter& printer)
{
    printer.endDoc();
    if (!printer.failed())
        return true;
    vbMsgBox(printer.error(), vbCritical, kErrorTitle);
    return false;
}

bool printLines(const std::vector<PrintedLine>& lines, const QString& font, double points)
{
    std::unique_ptr<ILinePrinter> p = platform().printers().open();
    p->setFont(font, points);
    for (const PrintedLine& l : lines) {
        if (l.newPage) {
            p->newPage();
        } else {
            p->print(l.text);
            p->endLine();
        }
    }
    return finishPrint(*p);
}

} // namespace compat
