#include "sounds.h"

#include "gifmovie.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QUrl>
#include <QtEndian>

#include <atomic>

namespace {

std::atomic<bool> mutedSwitch{false};

quint32 le32(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 le16(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

} // namespace

Soundboard::Soundboard(QObject* parent) : QObject(parent) {}

Soundboard::~Soundboard() = default;

QString Soundboard::resourcePath(const QString& name)
{
    return findMediaResource(QStringLiteral("sounds"), name, QStringLiteral("wav"));
}

bool Soundboard::play(const QString& name)
{
    const QString path = resourcePath(name);
    if (path.isEmpty())
        return false;
    // Muted means no effect object at all: creating one opens the audio device.
    if (isMuted())
        return true;
    QSoundEffect*& effect = effects_[path];
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl(QStringLiteral("qrc") + path));
    }
    // Never ask isPlaying(): with no audio device it stays true for ever.
    effect->stop();
    effect->play();
    return true;
}

void Soundboard::stopAll()
{
    for (QSoundEffect* effect : std::as_const(effects_))
        effect->stop();
}

int Soundboard::durationMs(const QString& name)
{
    const QString path = resourcePath(name);
    if (path.isEmpty())
        return -1;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return wavDurationMs(file.readAll());
}

int Soundboard::wavDurationMs(const QByteArray& wav)
{
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE")
        return -1;
    quint32 bytesPerSecond = 0;
    quint16 blockAlign = 0;
    qsizetype at = 12;
    while (at + 8 <= wav.size()) {
        const QByteArray id = wav.mid(at, 4);
        const quint32 length = le32(wav, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && length >= 16 && body + 16 <= wav.size()) {
            const quint16 format = le16(wav, body);
            // Plain PCM, or the extensible header that wraps it.
            if (format != 1 && format != 0xFFFE)
                return -1;
            bytesPerSecond = le32(wav, body + 8);
            blockAlign = le16(wav, body + 12);
        } else if (id == "data") {
            if (bytesPerSecond == 0 || blockAlign == 0)
                return -1;
            // A file cut short plays only what is there.
            const qint64 bytes = std::min<qint64>(length, wav.size() - body);
            const qint64 whole = bytes - bytes % blockAlign;
            return int((whole * 1000 + bytesPerSecond - 1) / bytesPerSecond);
        }
        // Chunks are padded to an even length.
        at = body + qsizetype(length) + (length & 1);
    }
    return -1;
}

void Soundboard::setMuted(bool muted)
{
    mutedSwitch = muted;
}

bool Soundboard::isMuted()
{
    return mutedSwitch || qEnvironmentVariable("MATHTUVO_MUTE") == QLatin1String("1");
}

Tuneplayer::Tuneplayer(QObject* parent)
    : QObject(parent), player_(defaultPlayer()), soundFont_(defaultSoundFont()), driver_(defaultAudioDriver())
{
}

Tuneplayer::~Tuneplayer()
{
    stop();
}

QString Tuneplayer::defaultPlayer()
{
    const QString chosen = qEnvironmentVariable("MATHTUVO_FLUIDSYNTH");
    if (!chosen.isEmpty())
        return chosen;
    return QStandardPaths::findExecutable(QStringLiteral("fluidsynth"));
}

QString Tuneplayer::defaultSoundFont()
{
    const QString chosen = qEnvironmentVariable("MATHTUVO_SOUNDFONT");
    if (!chosen.isEmpty())
        return chosen;
    // The small font first: it loads in a blink.
    static const char* const known[] = {
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
        "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/soundfonts/default.sf2",
        "/usr/share/soundfonts/FluidR3_GM.sf2",
    };
    for (const char* path : known)
        if (QFileInfo::exists(QString::fromLatin1(path)))
            return QString::fromLatin1(path);
    return {};
}

QString Tuneplayer::defaultAudioDriver()
{
    const QString chosen = qEnvironmentVariable("MATHTUVO_AUDIO_DRIVER");
    if (!chosen.isEmpty())
        return chosen;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (qEnvironmentVariableIsSet("PULSE_SERVER") ||
        (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/pulse/native"))))
        return QStringLiteral("pulseaudio");
    return QStringLiteral("alsa");
}

QStringList Tuneplayer::arguments(const QString& midiFile) const
{
    // No shell, no MIDI input, quiet, full volume; fluidsynth ends when the tune does.
    QStringList args{QStringLiteral("-ni"), QStringLiteral("-q"), QStringLiteral("-g"), QStringLiteral("1.0")};
    if (!driver_.isEmpty())
        args << QStringLiteral("-a") << driver_;
    args << soundFont_ << midiFile;
    return args;
}

QString Tuneplayer::tuneFile() const
{
    return tune_ ? tune_->fileName() : QString();
}

bool Tuneplayer::play(const QString& tune)
{
    stop();
    error_.clear();
    QString source = findMediaResource(QStringLiteral("sounds"), tune, QStringLiteral("mid"));
    if (source.isEmpty() && QFileInfo(tune).isFile())
        source = tune;
    if (source.isEmpty()) {
        error_ = QStringLiteral("no tune called \"%1\"").arg(tune);
        return false;
    }
    if (Soundboard::isMuted())
        return true;
    // findExecutable takes a bare name from PATH or checks an absolute path.
    if (player_.isEmpty() || QStandardPaths::findExecutable(player_).isEmpty()) {
        error_ = QStringLiteral("the MIDI player is not installed");
        return false;
    }
    if (soundFont_.isEmpty() || !QFileInfo(soundFont_).isFile()) {
        error_ = QStringLiteral("no General MIDI sound font");
        return false;
    }

    // The player reads files, not resources: copy the tune out for it.
    QFile in(source);
    auto copy = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/mathtuvo-XXXXXX.mid"));
    if (!in.open(QIODevice::ReadOnly) || !copy->open() || copy->write(in.readAll()) < 0 || !copy->flush()) {
        error_ = QStringLiteral("cannot copy the tune out for the player");
        return false;
    }
    copy->close();
    tune_ = std::move(copy);

    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_->setStandardOutputFile(QProcess::nullDevice());
    QProcess* started = process_;
    connect(process_, &QProcess::finished, this, [this, started](int code, QProcess::ExitStatus status) {
        if (process_ == started) {
            process_ = nullptr;
            started->deleteLater();
            emit finished(status == QProcess::NormalExit && code == 0);
        }
    });
    process_->start(player_, arguments(tune_->fileName()));
    // Only waits for the program to be launched, not for the tune.
    if (!process_->waitForStarted(5000)) {
        error_ = process_->errorString();
        delete process_;
        process_ = nullptr;
        return false;
    }
    return true;
}

void Tuneplayer::stop()
{
    if (!process_)
        return;
    QProcess* old = process_;
    process_ = nullptr;
    old->disconnect(this);
    if (old->state() != QProcess::NotRunning) {
        old->terminate();
        if (!old->waitForFinished(1000)) {
            old->kill();
            old->waitForFinished(1000);
        }
    }
    delete old;
}

bool Tuneplayer::isPlaying() const
{
    return process_ && process_->state() != QProcess::NotRunning;
}
