#pragma once

#include "form.h"

#include <QTextBrowser>

// The HTML view of a help page. A page or linked page that cannot be read
// shows the view's own notice inside the view.
class HtmlView : public QTextBrowser {
    Q_OBJECT
public:
    explicit HtmlView(QWidget *parent);
    // Loads a page given as a path relative to the program folder.
    void navigate(const QString &relativePath);

protected:
    QVariant loadResource(int type, const QUrl &name) override;
};

// A window that shows one local help page, loaded once at creation.
class HelpPage : public Form {
    Q_OBJECT
public:
    void FormCreate();

    HtmlView *WebBrowser1;

protected:
    HelpPage(const QString &name, const QString &page, const QRect &viewBounds);

private:
    QString m_page;
};
