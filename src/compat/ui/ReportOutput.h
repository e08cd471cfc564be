#pragma once
// The two ways a report leaves a window: a text file chosen in the save
// dialog, and the printer. Every failure is shown in a message box with its
// reason; a cancelled dialog or question outputs nothing.
//
//   if (auto f = askOutputFile(QStringLiteral("ReportQuorvane")))
//       writeOutputFile(*f, lines);
//
// or, for long outputs built line by line:
//
//   TextOutput out(f->path, f->mode);  ...out.writeLine(l)...  finishOutput(out);
//
// Printing: see compat/ui/LinePrinter.h (askPrintCopies, then finishPrint).
#include "compat/TextOutput.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace compat {

class ILinePrinter;

// True, after telling the user in a box titled `title`, when `name` is one
// of the program's own files (compat/files.h, isOwnFile): nothing is to be
// written.
bool refuseOwnFile(const QString& name, const QString& title);

// What to ask when the chosen file exists: "Sovrascrivi ?" (Yes replaces,
// anything else gives up) or "Le informazioni vanno aggiunte in calce ?"
// (Yes appends, No replaces, Cancel gives up).
enum class IfExists { AskOverwrite, AskAppend };

struct OutputFile {
    QString path;
    WriteMode mode = WriteMode::Replace;
};

// The save dialog "Salva risultati su file" for "File di testo (*.Txt)",
// proposing `proposedName`, then the question for an existing file; one of
// the program's own files, the name typed or the file it finds, is refused
// before it.
std::optional<OutputFile> askOutputFile(const QString& proposedName,
                                        IfExists ifExists = IfExists::AskOverwrite);

// Writes every line; true when the file was written whole.
bool writeOutputFile(const OutputFile& file, const QStringList& lines);
// Commits `out` and reports a failure; true when written whole.
bool finishOutput(TextOutput& out);

// The printer dialog; the number of copies, nullopt when cancelled or when
// it chose to print into one of the program's own files.
std::optional<int> askPrintCopies();
// Ends the document and reports a failure; true when it was sent.
bool finishPrint(ILinePrinter& printer);
// Prints laid-out lines on the chosen printer in `font` at `points`, then
// finishPrint; true when it was sent.
bool printLines(const std::vector<PrintedLine>& lines, const QString& font, double points);

} // namespace compat
