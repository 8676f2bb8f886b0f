#include "helppage.h"

#include "errorpolicy.h"
#include "programfolder.h"
#include "widgets.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

QString missingPage(const QString &file)
{
    return u"<html><body style=\"font-family: sans-serif;\"><h3>无法显示此页</h3>"
           "<p>找不到网页文件：%1</p></body></html>"_s.arg(file.toHtmlEscaped());
}

} // namespace

HtmlView::HtmlView(QWidget *parent) : QTextBrowser(parent)
{
    setOpenExternalLinks(true);
}

void HtmlView::navigate(const QString &relativePath)
{
    const QString file = app::programFile(relativePath);
    if (QFileInfo(file).isFile())
        setSource(QUrl::fromLocalFile(file));
    else
        setHtml(missingPage(file));
}

QVariant HtmlView::loadResource(int type, const QUrl &name)
{
    if (type == QTextDocument::ImageResource && devicePixelRatio() > 1) {
        const QUrl url = source().resolved(name);
        if (url.isLocalFile()) {
            const QString file = url.toLocalFile();
            const QString partner = pictureSource(file, devicePixelRatio());
            QImage image = partner == file ? QImage() : QImageReader(partner).read();
            if (!image.isNull()) {
                // Laid out in the 1x picture's pixels.
                image.setDevicePixelRatio(2);
                return image;
            }
        }
    }
    const QVariant resource = QTextBrowser::loadResource(type, name);
    if (type == QTextDocument::HtmlResource && resource.isNull())
        return missingPage(name.isLocalFile() ? name.toLocalFile() : name.toString());
    return resource;
}

HelpPage::HelpPage(const QString &name, const QString &page, const QRect &viewBounds)
    : m_page(page)
{
    setObjectName(name);
    WebBrowser1 = new HtmlView(this);
    WebBrowser1->setObjectName(u"WebBrowser1"_s);
    WebBrowser1->setGeometry(viewBounds);
}

void HelpPage::FormCreate()
{
    // The page itself waits for the first show.
}

void HelpPage::showEvent(QShowEvent *event)
{
    if (!m_loaded) {
        m_loaded = true;
        app::guarded([this] { WebBrowser1->navigate(m_page); });
    }
    Form::showEvent(event);
}
