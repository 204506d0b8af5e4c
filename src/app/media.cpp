#include "media.h"

#include "widgets/gifmovie.h"
#include "widgets/sounds.h"

#include <QApplication>
#include <QLabel>

namespace media {

namespace {

Soundboard& sounds()
{
    static Soundboard* board = new Soundboard(qApp);
    return *board;
}

Tuneplayer& tunes()
{
    static Tuneplayer* player = new Tuneplayer(qApp);
    return *player;
}

}  // namespace

void playsound(const QString& name) { sounds().play(name); }

void showanimation(QLabel* label, const QString& name)
{
    // One player per label, kept as its child so it goes with the label.
    auto* player = label->findChild<Gifplayer*>(QString(), Qt::FindDirectChildrenOnly);
    if (!player)
        player = new Gifplayer(label, label);
    if (player->load(name))
        player->start();
}

QImage picture(const QString& name)
{
    const Gifmovie movie = Gifmovie::fromResource(name);
    return movie.isNull() || movie.frameCount() == 0 ? QImage() : movie.frame(0);
}

bool playtune(const QString& name, std::function<void()> failed)
{
    QString tune = name;
    if (tune.endsWith(QStringLiteral(".mid"), Qt::CaseInsensitive))
        tune.chop(4);
    Tuneplayer& player = tunes();
    QObject::disconnect(&player, &Tuneplayer::finished, nullptr, nullptr);
    if (failed)
        QObject::connect(&player, &Tuneplayer::finished, &player, [failed](bool ok) {
            if (!ok)
                failed();
        });
    return player.play(tune);
}

}  // namespace media
