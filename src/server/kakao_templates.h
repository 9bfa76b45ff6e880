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
// holds no "toptext"; a text whose markers are missing reads empty. When given, answered tells
// whether any answer came (an empty one means the request failed).
std::optional<KakaoTemplate> LoadKakaoTemplate(const QString& kind, bool* answered = nullptr);

// "/program/shopkakaotemplateEdit.php", logged as "Save_카톡설정() ... "; true when any answer
// came (its words are not examined), false when the request failed.
bool SaveKakaoTemplate(const QString& kind, const KakaoTemplate& texts);
