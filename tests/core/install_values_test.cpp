#include "core/install_values.h"
#include "support/scoped_env.h"

#include <gtest/gtest.h>

TEST(InstallValues, DefaultsAndOverrides)
{
    {
        ScopedEnv backend("VMR_BACKEND_HOST", "");
        ScopedEnv patch("VMR_PATCH_HOST", "");
        ScopedEnv user("VMR_PATCH_USER", "");
        ScopedEnv download("VMR_DOWNLOAD_HOST", "");
        ScopedEnv image("VMR_IMAGE_BASE", "");
        EXPECT_EQ(BackendHost(), "127.0.0.1:8780");
        EXPECT_EQ(PatchHost(), "127.0.0.1:3306");
        EXPECT_EQ(PatchUser(), "");
        EXPECT_EQ(DownloadHost(), "127.0.0.1:8780");
        EXPECT_EQ(ImageBase(), "http://127.0.0.1:8780/qrmainimg/");
    }
    ScopedEnv backend("VMR_BACKEND_HOST", " shop.example:8080 ");
    ScopedEnv download("VMR_DOWNLOAD_HOST", "");
    ScopedEnv password("VMR_PATCH_PASSWORD", "p w");
    EXPECT_EQ(BackendHost(), "shop.example:8080");
    EXPECT_EQ(DownloadHost(), "shop.example:8080");
    EXPECT_EQ(PatchPassword(), "p w");
    {
        ScopedEnv image("VMR_IMAGE_BASE", "");
        EXPECT_EQ(ImageBase(), "http://shop.example:8080/qrmainimg/");
    }
    ScopedEnv image("VMR_IMAGE_BASE", " https://img.example/qrmainimg/ ");
    EXPECT_EQ(ImageBase(), "https://img.example/qrmainimg/");
}
