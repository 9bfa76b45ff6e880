#pragma once

#include <QString>

#include <optional>

// The header and footer that the shop adds to one kind of its KakaoTalk notification templates
// (group "예약"; kinds "예약접수", "예약확인", "예약수정", "예약취소", "자동홍보문자", "이용안내").
// Both texts travel through VmrEncodeAA and come back through VmrDecodeAA, with real CR LF breaks.
struct KakaoTemplate {
    QString header;
    QString footer;
};

// "/program/shopkakaotemplateLoad.php", logged as "Load_카톡설정() ... ". No value when the answer
// holds no "toptext"; a text whose markers are missing reads empty.
std::optional<KakaoTemplate> LoadKakaoTemplate(const QString& kind);

// "/program/shopkakaotemplateEdit.php", logged as "Save_카톡설정() ... "; the answer is not examined.
void SaveKakaoTemplate(const QString& kind, const KakaoTemplate& texts);
