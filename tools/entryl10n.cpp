// Build tool: writes the desktop entry and the AppStream file with their texts in every language of
// the program's catalogues. After each translatable line of the template it adds one line per language:
// "Comment[de]=..." in the desktop entry, <summary xml:lang="de">...</summary> in the AppStream file.
// Fails on a text a catalogue does not translate, so the installed files never lag behind.
//
// entryl10n <template> <output> <catalogue.qm>...   (catalogues named <anything>_<language>.qm)

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTranslator>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The translatable texts of resources/tockwell.desktop.in and resources/tockwell.metainfo.xml.in, for
// lupdate to find; a text changed there must change here too (the build says so).
[[maybe_unused]] constexpr const char* Texts[] = {
    QT_TRANSLATE_NOOP("DesktopEntry", "Alarm Clock"),
    QT_TRANSLATE_NOOP("DesktopEntry", "Record alarms that ring on time"),
    //: Search words for the application menu, each followed by a semicolon.
    QT_TRANSLATE_NOOP("DesktopEntry", "alarm;clock;time;wake;reminder;"),
    QT_TRANSLATE_NOOP("DesktopEntry", "Alarm clock for the desktop"),
    QT_TRANSLATE_NOOP("DesktopEntry", "Tockwell shows the time and the date, keeps up to a hundred recorded alarms, "
                                      "and rings them on time with a sound and an alarm window."),
    QT_TRANSLATE_NOOP("DesktopEntry", "Record, edit and remove alarms, each with a short description"),
    QT_TRANSLATE_NOOP("DesktopEntry", "Save the alarms to a session file and load them again"),
    QT_TRANSLATE_NOOP("DesktopEntry", "Hide the window in the notification area while the alarms keep running"),
    QT_TRANSLATE_NOOP("DesktopEntry", "An LED clock in one of five colours, in 12-hour or 24-hour form"),
    //: A search word for software centres.
    QT_TRANSLATE_NOOP("DesktopEntry", "alarm"),
    //: A search word for software centres.
    QT_TRANSLATE_NOOP("DesktopEntry", "clock"),
    //: A search word for software centres.
    QT_TRANSLATE_NOOP("DesktopEntry", "wake"),
    QT_TRANSLATE_NOOP("DesktopEntry", "The first release."),
};

struct Language {
    QString code;
    QTranslator catalogue;
};

int fail(const QString& message)
{
    std::fprintf(stderr, "entryl10n: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4)
        return fail(QStringLiteral("usage: entryl10n <template> <output> <catalogue.qm>..."));
    std::vector<std::unique_ptr<Language>> languages;
    for (const QString& path : arguments.mid(3)) {
        auto language = std::make_unique<Language>();
        language->code = QFileInfo(path).completeBaseName().section(u'_', -1);
        if (!language->catalogue.load(path))
            return fail(QStringLiteral("cannot read %1").arg(path));
        languages.push_back(std::move(language));
    }
    QFile input(arguments[1]);
    if (!input.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot read %1").arg(input.fileName()));

    // "Key=text" of the desktop entry, and elements on one line of their own in the AppStream file.
    static const QRegularExpression entryLine(QStringLiteral("^(GenericName|Comment|Keywords)=(.+)$"));
    static const QRegularExpression xmlLine(QStringLiteral("^(\\s*)<(summary|p|li|keyword)>([^<]+)</\\2>$"));
    QByteArray output;
    for (const QByteArray& bytes : input.readAll().split('\n')) {
        const QString line = QString::fromUtf8(bytes);
        output += bytes + '\n';
        QRegularExpressionMatch entry = entryLine.match(line);
        QRegularExpressionMatch xml = xmlLine.match(line);
        if (!entry.hasMatch() && !xml.hasMatch())
            continue;
        const QString text = entry.hasMatch() ? entry.captured(2) : xml.captured(3);
        for (const auto& language : languages) {
            const QString translated = language->catalogue.translate("DesktopEntry", text.toUtf8().constData());
            if (translated.isEmpty())
                return fail(QStringLiteral("the %1 catalogue lacks \"%2\"").arg(language->code, text));
            if (text.endsWith(u';') && !translated.endsWith(u';'))
                return fail(QStringLiteral("the %1 list of \"%2\" must end with ';'").arg(language->code, text));
            const QString added =
                entry.hasMatch()
                    ? QStringLiteral("%1[%2]=%3").arg(entry.captured(1), language->code, translated)
                    : QStringLiteral("%1<%2 xml:lang=\"%3\">%4</%2>")
                          .arg(xml.captured(1), xml.captured(2), language->code, translated.toHtmlEscaped());
            output += added.toUtf8() + '\n';
        }
    }
    output.chop(1); // the line end split() found after the last line
    QSaveFile file(arguments[2]);
    if (!file.open(QIODevice::WriteOnly) || file.write(output) != output.size() || !file.commit())
        return fail(QStringLiteral("cannot write %1").arg(arguments[2]));
    return 0;
}
