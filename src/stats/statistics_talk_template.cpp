#include "stats/statistics_window.h"

#include "core/login_values.h"
#include "server/kakao_templates.h"

#include <QPointer>

namespace {

const QString kKind = QStringLiteral("이용안내");

} // namespace

// A failed request (no answer at all) leaves the boxes as they are, so nothing typed is lost.
bool frmz통계B::Load_카톡설정()
{
    QPointer<frmz통계B> self(this);
    picWait->showBeforeRequest();
    if (!self)
        return false;
    bool answered = false;
    const std::optional<KakaoTemplate> texts = LoadKakaoTemplate(kKind, &answered);
    if (!self)
        return false;
    picWait->hide();
    if (!answered)
        return false;
    txt톡[0]->setText(texts ? texts->header : QString());
    txt톡[1]->setText(texts ? texts->footer : QString());
    return true;
}

// A save that got no answer keeps the typed texts and skips the reload.
bool frmz통계B::Save_카톡설정()
{
    const KakaoTemplate texts{txt톡[0]->text(), txt톡[1]->text()};
    QPointer<frmz통계B> self(this);
    picWait->showBeforeRequest();
    if (!self)
        return false;
    const bool answered = SaveKakaoTemplate(kKind, texts);
    if (!self)
        return false;
    picWait->hide();
    if (answered)
        Load_카톡설정();
    if (!self)
        return false;
    showTalkPreview();
    return answered;
}

void frmz통계B::showTalkPreview()
{
    QString preview = m_카톡템플릿;
    preview.replace(QStringLiteral("#{매장명}"), gStoreName);
    preview.replace(QStringLiteral("#{전화번호}"), gShopTel);
    preview.replace(QStringLiteral("#{머리말}"), txt톡[0]->text());
    preview.replace(QStringLiteral("#{매장안내}"), txt톡[1]->text());
    txt보낼톡->setText(preview);
}
