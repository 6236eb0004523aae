#include "keyboard/gkc_initializer.h"

#include "keyboard/key_images.h"
#include "keyboard/key_table.h"

#include <QtGlobal>

// Defined before GKCini so that they are destroyed after it: its destructor deletes the
// images they hold.
QVector<QImage*> KeyResources;
QVector<QImage*> KeyResourcesHover;
QVector<QImage*> KeyResourcesPressed;
QVector<QImage*> KeyResourcesRed;
QVector<QImage*> KeyResourcesGreen;
QVector<QImage*> KeyResourcesBlue;
QImage* HighlightLeft = nullptr;
QImage* HighlightRight = nullptr;

const char* const KeyImageNames[KeyImageCount] = {
    "Afirst", "C", "C_sharp", "D", "D_sharp", "E", "F",
    "F_sharp", "G", "G_sharp", "A", "A_sharp", "B", "Clast",
};

GKCinitializer GKCini;

// The images are compiled into this static library; its resources must be registered
// explicitly, from the global namespace.
static void initKeyImageResources()
{
    Q_INIT_RESOURCE(key_images);
}

namespace {

void deleteSet(QVector<QImage*>& set)
{
    qDeleteAll(set);
    set.clear();
}

}  // namespace

GKCinitializer::GKCinitializer() : initialized(false)
{
}

GKCinitializer::~GKCinitializer()
{
    if (!initialized)
        return;
    deleteSet(KeyResources);
    deleteSet(KeyResourcesHover);
    deleteSet(KeyResourcesPressed);
    deleteSet(KeyResourcesRed);
    deleteSet(KeyResourcesGreen);
    deleteSet(KeyResourcesBlue);
    delete HighlightLeft;
    HighlightLeft = nullptr;
    delete HighlightRight;
    HighlightRight = nullptr;
}

void GKCinitializer::Init()
{
    if (initialized)
        return;
    initialized = true;

    initKeyImageResources();

    LoadResources(KeyResources, QStringLiteral("normal"), QString());
    LoadResources(KeyResourcesHover, QStringLiteral("hover"), QStringLiteral("hover"));
    LoadResources(KeyResourcesPressed, QStringLiteral("pressed"), QStringLiteral("pressed"));
    LoadResources(KeyResourcesGreen, QStringLiteral("green"), QStringLiteral("green"));
    LoadResources(KeyResourcesBlue, QStringLiteral("blue"), QStringLiteral("blue"));
    LoadResources(KeyResourcesRed, QStringLiteral("red"), QStringLiteral("red"));

    // No edge highlight images are shipped: these load as null images and draw nothing.
    HighlightLeft = new QImage(QStringLiteral(":/res/GKC/highlightL"), "png");
    HighlightRight = new QImage(QStringLiteral(":/res/GKC/highlightR"), "png");

    AppendKeyTable(KeysCache);
}

void GKCinitializer::LoadResources(QVector<QImage*>& set, const QString& directory,
                                   const QString& state)
{
    // Replacing a filled set must not leak its images.
    qDeleteAll(set);
    set.fill(nullptr, KeyImageCount);
    const QString suffix = state.isEmpty() ? QString() : QLatin1Char('_') + state;
    for (int i = 0; i < KeyImageCount; ++i) {
        const QString path = QStringLiteral(":/res/GKC/") + directory + QLatin1Char('/')
            + QLatin1String(KeyImageNames[i]) + suffix + QStringLiteral(".png");
        set[i] = new QImage(path);
    }
}
