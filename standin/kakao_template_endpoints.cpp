#include "answer_writer.h"
#include "endpoint.h"

#include "core/text_escapes.h"

// The header and footer of the shop's KakaoTalk templates, kept plain per kind.

namespace {

QString loadTemplate(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const auto found = shop.kakaoTemplates.constFind(form.value("typetext2"));
    if (found == shop.kakaoTemplates.constEnd())
        return QStringLiteral("등록된 템플릿 없음");
    return Field("toptext", VmrEncodeAA(found->value(0))) + " " + Field("bottomtext", VmrEncodeAA(found->value(1)));
}

QString editTemplate(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    shop.kakaoTemplates.insert(form.value("typetext2"),
                               {VmrDecodeAA(form.value("toptext")), VmrDecodeAA(form.value("bottomtext"))});
    return QStringLiteral("저장 성공");
}

} // namespace

void AddKakaoTemplateEndpoints(EndpointMap& endpoints)
{
    endpoints.insert("/program/shopkakaotemplateLoad.php", loadTemplate);
    endpoints.insert("/program/shopkakaotemplateEdit.php", editTemplate);
}
