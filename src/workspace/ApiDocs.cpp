#include "ApiDocs.h"

#include <QHash>
#include <QStringList>

namespace {

const QString solar2d = QStringLiteral("https://docs.coronalabs.com/");
const QString luaManual = QStringLiteral("https://www.lua.org/manual/5.1/manual.html#pdf-");

// The pages under api/library/<library>/<name>.html, as the documentation names them.
const QHash<QString, QStringList>& libraries()
{
    static const QHash<QString, QStringList> table{
        {QStringLiteral("display"),
         {"actualContentHeight",
          "actualContentWidth",
          "capture",
          "captureBounds",
          "captureScreen",
          "colorSample",
          "contentCenterX",
          "contentCenterY",
          "contentHeight",
          "contentScaleX",
          "contentScaleY",
          "contentWidth",
          "currentStage",
          "fps",
          "getCurrentStage",
          "getDefault",
          "getSafeAreaInsets",
          "imageSuffix",
          "loadRemoteImage",
          "newCircle",
          "newContainer",
          "newEmbossedText",
          "newEmitter",
          "newGroup",
          "newImage",
          "newImageRect",
          "newLine",
          "newMesh",
          "newPolygon",
          "newRect",
          "newRoundedRect",
          "newSnapshot",
          "newSprite",
          "newText",
          "pixelHeight",
          "pixelWidth",
          "remove",
          "safeActualContentHeight",
          "safeActualContentWidth",
          "safeScreenOriginX",
          "safeScreenOriginY",
          "save",
          "screenOriginX",
          "screenOriginY",
          "setDefault",
          "setDrawMode",
          "setStatusBar",
          "statusBarHeight",
          "topStatusBarContentHeight",
          "viewableContentHeight",
          "viewableContentWidth"}},
        {QStringLiteral("native"), {"canShowPopup",     "cancelAlert",
                                    "cancelWebPopup",   "getFontNames",
                                    "getProperty",      "getSync",
                                    "newFont",          "newMapView",
                                    "newTextBox",       "newTextField",
                                    "newVideo",         "newWebView",
                                    "requestExit",      "setActivityIndicator",
                                    "setKeyboardFocus", "setProperty",
                                    "setSync",          "showAlert",
                                    "showPopup",        "showWebPopup",
                                    "systemFont",       "systemFontBold"}},
        {QStringLiteral("transition"),
         {"blink", "cancel", "cancelAll", "dissolve", "fadeIn", "fadeOut", "from", "loop", "moveBy", "moveTo",
          "pause", "pauseAll", "resume", "resumeAll", "scaleBy", "scaleTo", "to"}},
        {QStringLiteral("physics"),
         {"addBody", "engineVersion", "fromMKS", "getGravity", "newJoint", "pause", "queryRegion", "rayCast",
          "removeBody", "setDrawMode", "setGravity", "setScale", "start", "stop", "toMKS"}},
        {QStringLiteral("composer"),
         {"getScene", "getSceneName", "getVariable", "gotoScene", "hideOverlay", "isDebug", "loadScene",
          "newScene", "recycleOnSceneChange", "removeHidden", "removeScene", "setVariable", "showOverlay",
          "stage"}},
        {QStringLiteral("graphics"),
         {"defineEffect", "getFontMetrics", "newImageSheet", "newMask", "newOutline", "newTexture",
          "releaseTextures", "undefineEffect"}},
        {QStringLiteral("system"),
         {"DocumentsDirectory", "ResourceDirectory", "TemporaryDirectory", "CachesDirectory", "getInfo",
          "getPreference", "getTimer", "openURL", "orientation", "pathForFile", "setPreferences", "vibrate"}},
    };
    return table;
}

// Methods and properties, by the type whose page documents them.
const QHash<QString, QString>& members()
{
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> t;
        const auto add = [&t](const char* type, const QStringList& names) {
            for (const QString& name : names)
                t.insert(name, QStringLiteral("api/type/%1/%2.html").arg(QLatin1String(type), name));
        };
        add("DisplayObject",
            {"alpha",  "anchorX",   "anchorY", "contentBounds", "contentHeight", "contentWidth",
             "height", "isVisible", "parent",  "removeSelf",    "rotate",        "rotation",
             "scale",  "setMask",   "toBack",  "toFront",       "translate",     "width",
             "x",      "xScale",    "y",       "yScale"});
        // A line draws with its stroke, documented with the other shapes.
        add("ShapeObject", {"fill", "setFillColor", "setStrokeColor", "stroke", "strokeWidth"});
        add("EventDispatcher", {"addEventListener", "dispatchEvent", "removeEventListener"});
        add("TextObject", {"size", "text"});
        add("GroupObject", {"insert", "numChildren"});
        // Graphics 1.0 calls with no page left: the page of what replaced each.
        t.insert(QStringLiteral("setReferencePoint"), t.value(QStringLiteral("anchorX")));
        t.insert(QStringLiteral("setTextColor"), t.value(QStringLiteral("setFillColor")));
        return t;
    }();
    return table;
}

// The fields the generated listeners read, by event.
const QHash<QString, QString>& events()
{
    static const QHash<QString, QString> table{
        {QStringLiteral("event.phase"), QStringLiteral("api/event/touch/phase.html")},
        {QStringLiteral("event.x"), QStringLiteral("api/event/touch/x.html")},
        {QStringLiteral("event.y"), QStringLiteral("api/event/touch/y.html")},
        {QStringLiteral("event.xStart"), QStringLiteral("api/event/touch/xStart.html")},
        {QStringLiteral("event.yStart"), QStringLiteral("api/event/touch/yStart.html")},
        {QStringLiteral("event.id"), QStringLiteral("api/event/touch/id.html")},
        {QStringLiteral("event.target"), QStringLiteral("api/event/touch/target.html")},
        {QStringLiteral("event.time"), QStringLiteral("api/event/touch/time.html")},
        {QStringLiteral("event.action"), QStringLiteral("api/event/completion/action.html")},
        {QStringLiteral("event.index"), QStringLiteral("api/event/completion/index.html")},
    };
    return table;
}

// Lua's own functions, each an anchor of the manual.
bool isLuaFunction(const QString& word)
{
    static const QStringList basics{"assert",       "error",    "ipairs",   "next",   "pairs",
                                    "pcall",        "print",    "require",  "select", "setmetatable",
                                    "getmetatable", "tonumber", "tostring", "type",   "unpack"};
    static const QStringList libraries{"string", "math", "table", "os", "io", "coroutine"};
    const QString head = word.section(QLatin1Char('.'), 0, 0);
    return basics.contains(word) || (word.count(QLatin1Char('.')) == 1 && libraries.contains(head) &&
                                     !word.section(QLatin1Char('.'), 1).isEmpty());
}

} // namespace

QString ApiDocs::pathFor(const QString& word)
{
    if (word.isEmpty())
        return QString();
    if (isLuaFunction(word))
        return QStringLiteral("lua:") + word;
    if (const auto event = events().constFind(word); event != events().cend())
        return *event;
    const QString head = word.section(QLatin1Char('.'), 0, 0);
    const QString rest = word.section(QLatin1Char('.'), 1);
    if (head == QLatin1String("easing") && !rest.isEmpty())
        return QStringLiteral("api/library/easing/index.html");
    // Graphics 1.0's reference points were replaced by the anchors.
    if (head == QLatin1String("display") && rest.endsWith(QLatin1String("ReferencePoint")))
        return members().value(QStringLiteral("anchorX"));
    if (libraries().value(head).contains(rest))
        return QStringLiteral("api/library/%1/%2.html").arg(head, rest);
    // hero:setFillColor, hero.anchorX: the member decides.
    const qsizetype cut = std::max(word.lastIndexOf(QLatin1Char('.')), word.lastIndexOf(QLatin1Char(':')));
    return members().value(cut < 0 ? word : word.mid(cut + 1));
}

QUrl ApiDocs::pageFor(const QString& word)
{
    const QString path = pathFor(word);
    if (path.startsWith(QLatin1String("lua:")))
        return QUrl(luaManual + path.mid(4));
    return path.isEmpty() ? index() : QUrl(solar2d + path);
}

bool ApiDocs::hasPage(const QString& word)
{
    return !pathFor(word).isEmpty();
}

QUrl ApiDocs::index()
{
    return QUrl(solar2d + QStringLiteral("api/index.html"));
}

QString ApiDocs::wordAt(const QString& line, qsizetype at)
{
    const auto inWord = [&line](qsizetype i) {
        const QChar c = line.at(i);
        return c.isLetterOrNumber() || c == u'_' || c == u'.' || c == u':';
    };
    at = std::clamp<qsizetype>(at, 0, line.size());
    qsizetype start = at;
    while (start > 0 && inWord(start - 1))
        --start;
    qsizetype end = at;
    while (end < line.size() && inWord(end))
        ++end;
    // Dots and colons only join names; at the ends they belong to the text around.
    QString word = line.mid(start, end - start);
    while (!word.isEmpty() && (word.front() == u'.' || word.front() == u':'))
        word.remove(0, 1);
    while (!word.isEmpty() && (word.back() == u'.' || word.back() == u':'))
        word.chop(1);
    return word;
}
