#include "server/kakao_templates.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/text_escapes.h"

namespace {

const QString kGroup = QStringLiteral("예약");

QString decodedField(const QString& answer, const QString& name)
{
    return VmrDecodeAA(GetField(answer, name + "[", "]" + name).value_or(QString()));
}

} // namespace

std::optional<KakaoTemplate> LoadKakaoTemplate(const QString& kind, bool* answered)
{
    const QString answer = BackendRequest(QStringLiteral("Load_카톡설정() ... "),
                                          QStringLiteral("/program/shopkakaotemplateLoad.php"))
                               .add(QStringLiteral("typetext"), kGroup)
                               .add(QStringLiteral("typetext2"), kind)
                               .send();
    if (answered)
        *answered = !answer.isEmpty();
    if (!answer.contains(u"toptext"))
        return std::nullopt;
    return KakaoTemplate{decodedField(answer, QStringLiteral("toptext")),
                         decodedField(answer, QStringLiteral("bottomtext"))};
}

bool SaveKakaoTemplate(const QString& kind, const KakaoTemplate& texts)
{
    return !BackendRequest(QStringLiteral("Save_카톡설정() ... "), QStringLiteral("/program/shopkakaotemplateEdit.php"))
        .add(QStringLiteral("typetext"), kGroup)
        .add(QStringLiteral("typetext2"), kind)
        .addEscaped(QStringLiteral("toptext"), VmrEncodeAA(texts.header))
        .addEscaped(QStringLiteral("bottomtext"), VmrEncodeAA(texts.footer))
        .send()
                .isEmpty();
}
