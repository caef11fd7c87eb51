// Writes a picture's pixels as C++ source, for a program to carry its window icon
// compiled in: compile_icon PICTURE ID NAME OUTPUT.
//
// The pixels are those Qt decodes from the picture and converts to 32-bit ARGB, the
// form the window system is handed, so the icon shown is the one the picture gives.
#include <QFile>
#include <QImage>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fputs("usage: compile_icon PICTURE ID NAME OUTPUT\n", stderr);
        return 2;
    }
    const QImage image =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "compile_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    QFile file(QString::fromLocal8Bit(argv[4]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "compile_icon: cannot write %s\n", argv[4]);
        return 1;
    }
    QTextStream out(&file);
    out << "// Written by res/tools/compile_icon from "
        << QString::fromLocal8Bit(argv[1]).section('/', -1)
        << ".\n#include \"res/icons.h\"\n#include \"res/resource.h\"\n\nnamespace res {\nnamespace "
           "{\n\n"
        << "constexpr std::uint32_t kPixels[] = {";
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out << ((x % 8) == 0 ? "\n    " : " ") << "0x"
                << QStringLiteral("%1").arg(row[x], 8, 16, QLatin1Char('0')) << ',';
        }
    }
    out << "\n};\n\n}  // namespace\n\nconst framework::CompiledIcon " << argv[3] << "{" << argv[2]
        << ", " << image.width() << ", " << image.height()
        << ", kPixels};\n\n}  // namespace res\n";
    out.flush();
    return file.error() == QFile::NoError ? 0 : 1;
}
