// SPDX-License-Identifier: MIT
// gravilo-po: a language file as a gettext .po for Poedit or Weblate, and back.
//   gravilo-po template ENGLISH.itl [OUT.pot]       every English text, nothing translated
//   gravilo-po export ENGLISH.itl LANGUAGE.itl [OUT.po]
//   gravilo-po import IN.po [OUT.itl]
// Without OUT, standard output. Status 0 when done, 2 with the reason when a file cannot be read
// or written or a .po holds what a language file cannot.

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

#include "ItlPo.h"

namespace {

int Fail(const QString& reason) {
    std::fprintf(stderr, "gravilo-po: %s\n", reason.toLocal8Bit().constData());
    return 2;
}

int Put(const QByteArray& bytes, const QString& target) {
    if (target.isEmpty())
        return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) ? 0
                                                                                                       : 2;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return Fail(QStringLiteral("%1: %2").arg(target, file.errorString()));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList words = application.arguments().mid(1);
    const QString command = words.value(0);
    QByteArray out;
    QString error;
    if (command == QLatin1String("template") && (words.size() == 2 || words.size() == 3))
        return ItlPo::Template(words[1], out, error) ? Put(out, words.value(2)) : Fail(error);
    if (command == QLatin1String("export") && (words.size() == 3 || words.size() == 4))
        return ItlPo::Export(words[1], words[2], out, error) ? Put(out, words.value(3)) : Fail(error);
    if (command == QLatin1String("import") && (words.size() == 2 || words.size() == 3)) {
        QFile in(words[1]);
        if (!in.open(QIODevice::ReadOnly))
            return Fail(QStringLiteral("%1: %2").arg(words[1], in.errorString()));
        return ItlPo::Import(in.readAll(), out, error) ? Put(out, words.value(2))
                                                       : Fail(QStringLiteral("%1: %2").arg(words[1], error));
    }
    std::fputs(
        "usage: gravilo-po template ENGLISH.itl [OUT.pot]\n"
        "       gravilo-po export ENGLISH.itl LANGUAGE.itl [OUT.po]\n"
        "       gravilo-po import IN.po [OUT.itl]\n",
        stderr);
    return 2;
}
