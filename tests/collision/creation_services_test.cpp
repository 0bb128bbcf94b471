/* The creation services: the records they hand the host, and the existing
 * name that stops them before the host is asked anything. */
#include "collision/creation_services.h"
#include "host/host_api.h"
#include "service_fixture.h"

#include <cstring>

namespace {

class CreationServices : public ServiceTest {
protected:
    /* The record with the named fields cleared: every other byte must be 0. */
    static bool RestIsZero(VesselStateEx record)
    {
        record.version = 0;
        record.rbody = nullptr;
        record.status = 0;
        record.rpos = record.rvel = record.vrot = record.arot = {0, 0, 0};
        record.surf_lng = record.surf_lat = record.surf_hdg = 0.0;
        unsigned char zero[sizeof record] = {};
        return std::memcmp(&record, zero, sizeof record) == 0;
    }
};

void ExpectVector(const VECTOR3& v, double x, double y, double z)
{
    EXPECT_EQ(v.x, x);
    EXPECT_EQ(v.y, y);
    EXPECT_EQ(v.z, z);
}

}  // namespace

TEST_F(CreationServices, InFlightRecordHoldsOrientationAndAngularVelocityTheOtherWayRound)
{
    ASSERT_EQ(SvcCreateVesselInFlight("R-9", "Ship", "Earth", {7e6, 1, 2}, {3, 4, 5}, {0.1, 0.2, 0.3}, {6, 7, 8}),
              1);

    const VesselStateEx& record = host.lastCreationRecord();
    EXPECT_EQ(record.version, 2u);
    EXPECT_EQ(record.status, 0);
    EXPECT_EQ(record.rbody, planet);
    ExpectVector(record.rpos, 7e6, 1, 2);
    ExpectVector(record.rvel, 3, 4, 5);
    ExpectVector(record.arot, 0.1, 0.2, 0.3);
    ExpectVector(record.vrot, 6, 7, 8);
    EXPECT_TRUE(RestIsZero(record));
    EXPECT_NE(oapiGetVesselByName(HostText("R-9")), nullptr);
}

TEST_F(CreationServices, LandedRecordHoldsLongitudeBeforeLatitude)
{
    ASSERT_EQ(SvcCreateVesselLanded("Base-1", "Ship", "Earth", 0.5, 1.25, 3.0), 1);

    const VesselStateEx& record = host.lastCreationRecord();
    EXPECT_EQ(record.status, 1);
    EXPECT_EQ(record.rbody, planet);
    EXPECT_EQ(record.surf_lat, 0.5);
    EXPECT_EQ(record.surf_lng, 1.25);
    EXPECT_EQ(record.surf_hdg, 3.0);
    ExpectVector(record.rpos, 0, 0, 0);
    ExpectVector(record.arot, 0, 0, 0);
    EXPECT_TRUE(RestIsZero(record));
}

TEST_F(CreationServices, AnExistingNameAnswers0WithoutAskingForTheBodyOrTheVessel)
{
    Ship("GL-01");
    host.calls().clear();

    EXPECT_EQ(SvcCreateVesselInFlight("GL-01", "Ship", "Earth", {}, {}, {}, {}), 0);
    EXPECT_EQ(SvcCreateVesselLanded("GL-01", "Ship", "Earth", 0, 0, 0), 0);
    EXPECT_EQ(host.calls().count("oapiGetGbodyByName"), 0);
    EXPECT_EQ(host.calls().count("oapiCreateVesselEx"), 0);
    EXPECT_EQ(oapiGetVesselCount(), 1u);
}

TEST_F(CreationServices, AnUnknownBodyGoesToTheHostAsNullAndARefusalAnswers0)
{
    EXPECT_EQ(SvcCreateVesselInFlight("R-1", "Ship", "Vulcan", {7e6, 0, 0}, {}, {}, {}), 1);
    EXPECT_EQ(host.lastCreationRecord().rbody, nullptr);

    host.refuseVesselCreation(true);
    EXPECT_EQ(SvcCreateVesselLanded("R-2", "Ship", "Earth", 0, 0, 0), 0);
    EXPECT_EQ(SvcCreateVesselInFlight("R-3", nullptr, nullptr, {}, {}, {}, {}), 0);
}

TEST_F(CreationServices, AClassWithoutAClassFileCreatesNothing)
{
    // The host would end the whole simulation on such a request.
    host.calls().clear();
    EXPECT_EQ(SvcCreateVesselInFlight("R-1", "Nowhere", "Earth", {7e6, 0, 0}, {}, {}, {}), 0);
    EXPECT_EQ(SvcCreateVesselLanded("Base-1", "Nowhere", "Earth", 0, 0, 0), 0);
    EXPECT_EQ(host.calls().count("oapiCreateVesselEx"), 0);
    EXPECT_TRUE(host.faults().empty());
    EXPECT_EQ(SvcCreateVesselInFlight("R-2", "Ship", "Earth", {7e6, 0, 0}, {}, {}, {}), 1) << "a class in place";
}
