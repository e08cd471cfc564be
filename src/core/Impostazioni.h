#pragma once
// The settings file Quorvane.ini beside the program, read and written one key
// at a time.
#include "compat/IniFile.h"
#include "compat/vb.h"

#include <QString>
#include <optional>

class clsIni {
public:
    QString FileName() const { return file_.path(); }
    void setFileName(const QString& v) { file_.setPath(compat::vbTrim(v)); }
    QString ApplicationKey() const { return section_; }
    void setApplicationKey(const QString& v) { section_ = compat::vbTrim(v); }

    QString GetValue(const QString& key, const QString& deflt) const
    {
        return file_.get(section_, key, deflt);
    }
    bool SetValue(const QString& key, const std::optional<QString>& value) const
    {
        return file_.set(section_, key, value);
    }

private:
    compat::IniFile file_;
    QString section_;
};

// The program's one settings object.
clsIni& IniImpostazioni();

// The application word is accepted and ignored.
QString LeggiImpostazione(const QString& applicazione, const QString& sezione,
                          const QString& chiave, const QString& predefinito);
// An absent value (nullopt) removes the key; write failures are not reported.
void SalvaImpostazione(const QString& applicazione, const QString& sezione,
                       const QString& chiave, const std::optional<QString>& valore);
