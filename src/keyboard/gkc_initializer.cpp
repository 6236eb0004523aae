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
// The finer sets by density - 2 and look; loaded only when a keyboard needs them.
static QVector<QImage*> FinerKeyResources[MaxKeyImageDensity - 1][LookCount];

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

// Resource directory and file name suffix of each look, in KeyLook order.
const char* const LookDirectories[LookCount] = {"normal", "hover", "pressed", "red", "green", "blue"};

QVector<QImage*>* const NativeSets[LookCount] = {&KeyResources, &KeyResourcesHover,
                                                 &KeyResourcesPressed, &KeyResourcesRed,
                                                 &KeyResourcesGreen, &KeyResourcesBlue};

QVector<QImage*>& SetOf(KeyLook look, int density)
{
    Q_ASSERT(look >= 0 && look < LookCount && density >= 1 && density <= MaxKeyImageDensity);
    return density == 1 ? *NativeSets[look] : FinerKeyResources[density - 2][look];
}

void LoadLook(KeyLook look, int density)
{
    const QString directory = QLatin1String(LookDirectories[look]);
    GKCinitializer::LoadResources(SetOf(look, density), directory, look == LookNormal ? QString() : directory,
                                  density);
}

}  // namespace

const QVector<QImage*>& KeyImageSet(KeyLook look, int density)
{
    QVector<QImage*>& set = SetOf(look, density);
    if (set.isEmpty()) {
        GKCini.Init(); // the native sets, and the resources the finer ones are read from
        if (set.isEmpty())
            LoadLook(look, density);
    }
    return set;
}

bool IsKeyImageSetLoaded(KeyLook look, int density)
{
    return !SetOf(look, density).isEmpty();
}

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
    for (auto& sets : FinerKeyResources)
        for (QVector<QImage*>& set : sets)
            deleteSet(set);
}

void GKCinitializer::Init()
{
    if (initialized)
        return;
    initialized = true;

    initKeyImageResources();

    for (int look = 0; look < LookCount; ++look)
        LoadLook(KeyLook(look), 1);

    // No edge highlight images are shipped: these load as null images and draw nothing.
    HighlightLeft = new QImage(QStringLiteral(":/res/GKC/highlightL"), "png");
    HighlightRight = new QImage(QStringLiteral(":/res/GKC/highlightR"), "png");

    AppendKeyTable(KeysCache);
}

void GKCinitializer::LoadResources(QVector<QImage*>& set, const QString& directory,
                                   const QString& state, int density)
{
    // Replacing a filled set must not leak its images.
    qDeleteAll(set);
    set.fill(nullptr, KeyImageCount);
    QString suffix = state.isEmpty() ? QString() : QLatin1Char('_') + state;
    if (density > 1)
        suffix += QStringLiteral("@%1x").arg(density);
    for (int i = 0; i < KeyImageCount; ++i) {
        const QString path = QStringLiteral(":/res/GKC/") + directory + QLatin1Char('/')
            + QLatin1String(KeyImageNames[i]) + suffix + QStringLiteral(".png");
        set[i] = new QImage(path);
        // QImage reads the ratio from an "@2x" name unless QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING
        // is set; the keyboard needs it in any case to draw the image at the native size.
        set[i]->setDevicePixelRatio(density);
    }
}
