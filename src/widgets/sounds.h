// The program's sounds: short effects by name (Soundboard) and the reward tune
// (Tuneplayer). Nothing here ever waits for a sound; callers that must pause until one has
// finished ask for its length and set a timer.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>

#include <memory>

class QSoundEffect;

class Soundboard : public QObject {
    Q_OBJECT
public:
    explicit Soundboard(QObject* parent = nullptr);
    ~Soundboard() override;

    // Starts the sound ":/sounds/NAME.wav" (name compared without regard to case) and
    // returns at once. A sound we do not have is skipped: false, and nothing happens.
    // While muted an existing sound gives true and stays silent.
    bool play(const QString& name);
    void stopAll();

    static QString resourcePath(const QString& name);
    // Length of a sound in milliseconds, rounded up, from its WAV header; -1 when missing.
    static int durationMs(const QString& name);
    // The same for WAV bytes: -1 unless it is PCM audio with a format and a data chunk.
    static int wavDurationMs(const QByteArray& wav);

    // One switch for the whole program (tests, a quiet classroom); MATHTUVO_MUTE=1 in the
    // environment mutes as well.
    static void setMuted(bool muted);
    static bool isMuted();

private:
    QHash<QString, QSoundEffect*> effects_;
};

// Plays a MIDI tune through the fluidsynth program with a General MIDI sound font. The old
// program's media player could be missing or busy; ours can be missing too, and then
// play() says so and the caller shows its message.
class Tuneplayer : public QObject {
    Q_OBJECT
public:
    explicit Tuneplayer(QObject* parent = nullptr);
    ~Tuneplayer() override;

    // The player on PATH, or empty; MATHTUVO_FLUIDSYNTH names another program.
    static QString defaultPlayer();
    // MATHTUVO_SOUNDFONT, else the first General MIDI font found under /usr/share.
    static QString defaultSoundFont();
    // MATHTUVO_AUDIO_DRIVER, else PulseAudio (PipeWire answers it too) when its socket is
    // there, else ALSA.
    static QString defaultAudioDriver();

    void setPlayer(const QString& program) { player_ = program; }
    void setSoundFont(const QString& path) { soundFont_ = path; }
    void setAudioDriver(const QString& driver) { driver_ = driver; }
    QString player() const { return player_; }
    QString soundFont() const { return soundFont_; }

    // Starts the tune (":/sounds/NAME.mid", or a file) and returns without waiting for it.
    // False when the tune, the player or the sound font is missing or the player does not
    // start. Muted: true without playing, as long as the tune exists. A tune still playing
    // is stopped first.
    bool play(const QString& tune = QStringLiteral("test"));
    void stop();
    bool isPlaying() const;
    QString errorString() const { return error_; }

    // What play() hands the player, and where it put the tune; for a look while testing.
    QStringList arguments(const QString& midiFile) const;
    QString tuneFile() const;

signals:
    // The player ended: true when it finished the tune, false when it gave up.
    void finished(bool ok);

private:
    QString player_;
    QString soundFont_;
    QString driver_;
    QString error_;
    std::unique_ptr<QTemporaryFile> tune_;
    QProcess* process_ = nullptr;
};
