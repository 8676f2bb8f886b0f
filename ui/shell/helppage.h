#pragma once

#include "form.h"

#include <QTextBrowser>

// The HTML view of a help page. A page or linked page that cannot be read
// shows the view's own notice inside the view. Above a device pixel ratio of
// 1 a page's pictures come from their 2x partners where there are any.
class HtmlView : public QTextBrowser {
    Q_OBJECT
public:
    explicit HtmlView(QWidget *parent);
    // Loads a page given as a path relative to the program folder.
    void navigate(const QString &relativePath);

protected:
    QVariant loadResource(int type, const QUrl &name) override;
};

// A window that shows one local help page. The page is loaded once, when the
// window is first shown: the pages are built at start-up but read by few
// pupils, and reading and styling them is most of what building them costs.
// Shown again, the view shows the page as the pupil left it.
class HelpPage : public Form {
    Q_OBJECT
public:
    void FormCreate();

    HtmlView *WebBrowser1;

protected:
    HelpPage(const QString &name, const QString &page, const QRect &viewBounds);
    void showEvent(QShowEvent *event) override;

private:
    QString m_page;
    bool m_loaded = false;
};
