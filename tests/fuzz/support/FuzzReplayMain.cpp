// SPDX-License-Identifier: MIT
// Without libFuzzer, a fuzz target replays inputs: every file named on the command line, and every
// file of every folder named there. The corpus replay in CTest runs each target over its seeds and
// the inputs that once broke something, under the sanitizers too when the build has them.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size);

namespace {

bool Replay(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                           std::size_t(bytes.size()));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    int replayed = 0;
    bool readable = true;
    for (int i = 1; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        if (!QFileInfo(path).isDir()) {
            readable = Replay(path) && readable;
            ++replayed;
            continue;
        }
        QStringList files;
        QDirIterator it(path, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) files << it.next();
        files.sort();  // the same order on every machine
        for (const QString& file : files) {
            readable = Replay(file) && readable;
            ++replayed;
        }
    }
    std::printf("replayed %d inputs\n", replayed);
    return readable && replayed > 0 ? 0 : 1;
}
