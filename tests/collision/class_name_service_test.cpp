/* The class name service fills exactly the 255 characters it may use. */
#include "collision/class_name_service.h"
#include "service_fixture.h"

#include <array>
#include <cstring>
#include <string>

namespace {

class ClassNameService : public ServiceTest {
protected:
    ClassNameService() { buffer.fill('#'); }

    std::string Text() const { return std::string(buffer.data(), strnlen(buffer.data(), buffer.size())); }

    std::array<char, 300> buffer;
};

}  // namespace

TEST_F(ClassNameService, AShortNameIsCopiedAndTheRestOfTheBufferCleared)
{
    VESSEL* ship = Ship("GL-01");

    EXPECT_EQ(SvcGetClassName(ship, buffer.data()), buffer.data());
    EXPECT_EQ(Text(), "Ship");
    for (int i = 4; i < 255; ++i)
        ASSERT_EQ(buffer[size_t(i)], '\0') << "at " << i;
    EXPECT_EQ(buffer[255], '#') << "nothing is written past the 255 characters";
}

TEST_F(ClassNameService, ANameOf300CharactersKeepsItsFirst254AndAZero)
{
    VESSEL* ship = Ship("GL-01");
    Record(ship).className = host.world().className(std::string(300, 'c'));

    EXPECT_EQ(SvcGetClassName(ship, buffer.data()), buffer.data());
    EXPECT_EQ(Text(), std::string(254, 'c'));
    EXPECT_EQ(buffer[255], '#');
}

TEST_F(ClassNameService, AVesselWithoutAClassGoesByItsName)
{
    VESSEL* ship = Ship("GL-01");
    Record(ship).hasClassName = false;

    EXPECT_EQ(SvcGetClassName(ship, buffer.data()), buffer.data());
    EXPECT_EQ(Text(), "GL-01");
    EXPECT_EQ(buffer[255], '#');
}

TEST_F(ClassNameService, NoVesselOrNoBufferIsHarmless)
{
    EXPECT_EQ(SvcGetClassName(nullptr, buffer.data()), nullptr);
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(SvcGetClassName(Ship("GL-01"), nullptr), nullptr);
}
