// The reservation cache rebuilt at start on a disk that is full.
#include "cache_fixture.h"

#include "core/win_http.h"
#include "server/reservation_cache.h"
#include "support/seams.h"
#include "support/small_disk.h"

#include <QFile>

namespace {

// The copy of the empty template finds no room: staff are told that the disk is full, not that
// the file is missing or the network cut, and the cache of the last run stays.
TEST(CacheOnAFullDisk, TheRebuildNamesTheFullDiskAndKeepsTheCache)
{
    TempProgramDir dir;
    const SmallDisk disk(dir.path(), 64);
    if (!disk.mounted())
        GTEST_SKIP() << "no small file system can be mounted here";
    ASSERT_TRUE(CopyTemplate(dir, "VmrBooking.0.mdb", "VmrBooking.0.mdb"));
    ASSERT_TRUE(CopyTemplate(dir, "VmrBooking.0.mdb", "VmrBooking.mdb"));
    MessageBoxes().clear();

    const QString answer = ListAnswer({ListRecord({{"num", "57"}, {"YN", "Y"}})});
    EXPECT_FALSE(Rebuild_예약_전체(answer, HttpOutcome::Complete));
    EXPECT_EQ(MessageBoxes().texts(),
              QStringList{"디스크 공간이 부족하여 '" + dir.file("VmrBooking.mdb.new") + "' 파일을 만들 수 없습니다."});
    EXPECT_FALSE(QFile::exists(dir.file("VmrBooking.mdb.new")));
    EXPECT_TRUE(QFile::exists(dir.file("VmrBooking.mdb")));
}

} // namespace
