#include "SimOptions.h"

#include "VirtualRadio.h"
#include "codec/Vocabulary.h"

#include <QCommandLineParser>

#include <array>
#include <utility>

namespace {

// The letter of each model option, as --variant takes it.
constexpr std::array<std::pair<char, int>, 4> VariantLetters = {{
    {'J', Vocabulary::ModelJ},
    {'T', Vocabulary::ModelT},
    {'E', Vocabulary::ModelE},
    {'A', Vocabulary::ModelA},
}};

} // namespace

SimOptions SimOptions::refused(const QString &error)
{
    SimOptions options;
    options.m_action = Action::Refuse;
    options.m_error = error;
    return options;
}

SimOptions SimOptions::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")});
    const QCommandLineOption image(QStringLiteral("image"), QString(), QStringLiteral("file"));
    const QCommandLineOption save(QStringLiteral("save"), QString(), QStringLiteral("file"));
    const QCommandLineOption log(QStringLiteral("log"), QString(), QStringLiteral("file"));
    const QCommandLineOption link(QStringLiteral("link"), QString(), QStringLiteral("path"));
    const QCommandLineOption variant(QStringLiteral("variant"), QString(), QStringLiteral("v"));
    const QCommandLineOption extended(QStringLiteral("extended"));
    const QCommandLineOption model(QStringLiteral("model"), QString(), QStringLiteral("name"));
    const QCommandLineOption pace(QStringLiteral("pace"));
    const QCommandLineOption usbLatency(QStringLiteral("usb-latency"), QString(), QStringLiteral("ms"));
    const QCommandLineOption fault(QStringLiteral("fault"), QString(), QStringLiteral("mode"));
    parser.addOptions({help, image, save, log, link, variant, extended, model, pace, usbLatency, fault});

    if (!parser.parse(QStringList{QStringLiteral("qtr70-sim")} + arguments))
        return refused(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refused(QStringLiteral("Unexpected argument: %1")
                           .arg(parser.positionalArguments().constFirst()));

    // An option given twice is a mistake, not "the last one wins".
    for (const QString &name : parser.optionNames()) {
        if (parser.optionNames().count(name) > 1)
            return refused(QStringLiteral("Option given more than once: %1").arg(name));
    }

    SimOptions options;
    if (parser.isSet(help)) {
        options.m_action = Action::Help;
        return options;
    }
    options.m_imagePath = parser.value(image);
    options.m_savePath = parser.value(save);
    options.m_logPath = parser.value(log);
    options.m_linkPath = parser.value(link);
    options.m_extended = parser.isSet(extended);
    options.m_paced = parser.isSet(pace);
    if (parser.isSet(usbLatency)) {
        // An FTDI chip's latency timer takes 1 to 255 ms.
        bool number = false;
        options.m_usbLatencyMs = parser.value(usbLatency).toInt(&number);
        if (!number || options.m_usbLatencyMs < 1 || options.m_usbLatencyMs > 255)
            return refused(QStringLiteral("--usb-latency takes 1 to 255 ms, not %1").arg(parser.value(usbLatency)));
    }

    for (const QCommandLineOption &pathOption : {image, save, log, link}) {
        if (parser.isSet(pathOption) && parser.value(pathOption).isEmpty())
            return refused(QStringLiteral("Empty path for --%1").arg(pathOption.names().constFirst()));
    }

    if (parser.isSet(variant)) {
        const QString letter = parser.value(variant);
        for (const auto &[name, value] : VariantLetters) {
            if (letter == QLatin1Char(name))
                options.m_variant = value;
        }
        if (!options.m_variant)
            return refused(QStringLiteral("Unknown variant: %1 (J, T, E or A)").arg(letter));
    }

    options.m_model = VirtualRadio::modelNames().constFirst();
    if (parser.isSet(model)) {
        options.m_model = parser.value(model);
        if (!VirtualRadio::modelNames().contains(options.m_model))
            return refused(QStringLiteral("Unknown model: %1 (%2)")
                               .arg(options.m_model, VirtualRadio::modelNames().join(QStringLiteral(" or "))));
    }

    if (parser.isSet(fault)) {
        const std::optional<SimFault> parsed = SimFault::parse(parser.value(fault));
        if (!parsed)
            return refused(QStringLiteral("Unknown fault: %1").arg(parser.value(fault)));
        options.m_fault = *parsed;
    }
    return options;
}

QString SimOptions::usage()
{
    return QStringLiteral(
        "Usage: qtr70-sim [options]\n"
        "A virtual QT-R70 radio on a pseudo-terminal. Prints the terminal's path on\n"
        "stdout, then answers the radio's clone commands until SIGTERM or SIGINT.\n"
        "\n"
        "  --image FILE.R70   start from a clone file (variant and range from its header)\n"
        "                     instead of the factory image with a few sample channels\n"
        "  --variant J|T|E|A  the radio's model variant (default E, or the image's)\n"
        "  --extended         an extended-coverage radio (default: no, or the image's)\n"
        "  --model QTR70|QTR60  the model name the radio answers to (default QTR70)\n"
        "  --pace             behave like a 9600-baud wire (10 bits per character)\n"
        "  --usb-latency MS   hand the radio's output over as a USB serial adapter does:\n"
        "                     in packets of at most 62 bytes, each when 62 bytes wait\n"
        "                     or when a free-running MS ms timer ticks (FTDI: 16 ms\n"
        "                     by default, 1 ms with low latency)\n"
        "  --save FILE.R70    write the memory as a clone file when the radio ends\n"
        "  --log FILE         append every command line received to FILE\n"
        "  --link PATH        also make PATH a symbolic link to the terminal\n"
        "  --fault MODE       misbehave on purpose:\n"
        "                       silent         no echo, no answer\n"
        "                       echo-only      the echo, no answer\n"
        "                       garbage        answers of the right length, wrong content\n"
        "                       short          every answer one character short\n"
        "                       no-ok          writes, model checks, end answered NG\n"
        "                       hang-after=N   answer N commands, then stay silent\n"
        "                       close-after=N  answer N commands, then close the terminal\n"
        "  --help             show this text\n"
        "\n"
        "Exit status: 0 after SIGTERM/SIGINT or close-after, 1 when the terminal, log\n"
        "or save file fails, 2 for a wrong option or a malformed image.\n");
}
