#include <cmath>
#include <cstring>
#include <numbers>
#include <string>

#include "tests/toolkit/toolkit_test.h"
#include "toolkit/hgeparticle.h"
#include "toolkit/hgepmanager.h"

class ParticleTest : public ToolkitTest {
protected:
    // Long-lived white particles that fly right at 3 pixels a step, no spread.
    static hgeParticleSystemInfo steady(hgeSprite* sprite, int emission, float lifetime) {
        hgeParticleSystemInfo info;
        info.sprite = sprite;
        info.emission = emission;
        info.lifetime = lifetime;
        info.particleLifeMin = info.particleLifeMax = 100;
        info.direction = std::numbers::pi_v<float> / 2;
        info.speedMin = info.speedMax = 3;
        info.sizeStart = info.sizeEnd = 1;
        info.colorStart = info.colorEnd = {1, 1, 1, 1};
        return info;
    }

    std::string fileOf(const hgeParticleSystemInfo& info) {
        std::uint8_t bytes[PARTICLE_FILE_SIZE];
        writeParticleInfo(info, bytes);
        return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
    }

    hgeSprite dot{0, 0, 0, 2, 2};
};

TEST_F(ParticleTest, FileFieldsAreLittleEndianInTheirOrder) {
    hgeParticleSystemInfo info = steady(nullptr, 0x01020304, -1);
    info.relative = true;
    info.alphaVar = 0.5f;
    std::string bytes = fileOf(info);
    ASSERT_EQ(bytes.size(), 128u);
    EXPECT_EQ(bytes.substr(4, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(bytes.substr(8, 4), std::string("\x00\x00\x80\xBF", 4));  // -1.0f
    EXPECT_EQ(bytes.substr(28, 4), std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(bytes.substr(124, 4), std::string("\x00\x00\x00\x3F", 4));  // 0.5f

    writeFile("fx.psi", bytes);
    hgeParticleSystem ps("fx.psi", &dot);
    EXPECT_EQ(ps.info.sprite, &dot);
    EXPECT_EQ(ps.info.emission, 0x01020304);
    EXPECT_FLOAT_EQ(ps.info.lifetime, -1);
    EXPECT_TRUE(ps.info.relative);
    EXPECT_FLOAT_EQ(ps.info.speedMax, 3);
    EXPECT_FLOAT_EQ(ps.info.colorEnd.a, 1);
    EXPECT_FLOAT_EQ(ps.info.alphaVar, 0.5f);
}

TEST_F(ParticleTest, FilesOfAnyOtherLengthAreRejected) {
    std::string bytes = fileOf(steady(nullptr, 100, -1));
    writeFile("long.psi", bytes + "x");
    writeFile("short.psi", bytes.substr(0, 127));
    for (const char* name : {"long.psi", "short.psi", "missing.psi"}) {
        hgeParticleSystem ps(name, &dot);
        EXPECT_EQ(ps.info.emission, 0) << name;
        ps.Fire();
        ps.Update(0.1f);
        EXPECT_EQ(ps.GetParticlesAlive(), 0) << name;
    }
    EXPECT_TRUE(logContains("Particle file 'long.psi' is 129 bytes long; a particle file has 128."));
    EXPECT_TRUE(logContains("Particle file 'short.psi' is 127 bytes long"));
    EXPECT_TRUE(logContains("Particle file 'missing.psi' not found."));
}

TEST_F(ParticleTest, EmissionCarriesItsRemainderAndStopsAt500) {
    hgeParticleSystemInfo slow = steady(&dot, 50, -1);
    hgeParticleSystem ps(&slow);
    ps.Fire();
    ps.Update(0.01f);
    EXPECT_EQ(ps.GetParticlesAlive(), 0);
    ps.Update(0.01f);
    EXPECT_EQ(ps.GetParticlesAlive(), 1);

    hgeParticleSystemInfo flood = steady(&dot, 100000, -1);
    hgeParticleSystem full(&flood);
    full.Fire();
    full.Update(0.01f);
    EXPECT_EQ(full.GetParticlesAlive(), MAX_PARTICLES);
    full.Update(0.01f);
    EXPECT_EQ(full.GetParticlesAlive(), MAX_PARTICLES);
}

TEST_F(ParticleTest, ParticlesMoveByTheirVelocityAndGravityEachStep) {
    hgeParticleSystemInfo info = steady(&dot, 100, -1);
    info.gravityMin = info.gravityMax = 100;
    hgeParticleSystem ps(&info);
    ps.FireAt(400, 300);
    ps.Update(0.01f);
    ASSERT_EQ(ps.GetParticlesAlive(), 1);
    ps.Stop();
    auto before = drawn([&] { ps.Render(); });
    ps.Update(0.01f);
    auto after = drawn([&] { ps.Render(); });
    ASSERT_EQ(after.size(), 1u);
    EXPECT_NEAR(after[0].v[0].x - before[0].v[0].x, 3, EPS);
    EXPECT_NEAR(after[0].v[0].y - before[0].v[0].y, 1, EPS);  // gravity 100 * 0.01
    EXPECT_NEAR(before[0].v[0].x, 400, 2 + EPS);                 // spawned within 2 pixels
}

TEST_F(ParticleTest, RadialAndTangentialAccelerationActFromTheEmitter) {
    hgeParticleSystemInfo info = steady(&dot, 100, -1);
    info.speedMin = info.speedMax = 0;
    info.radialAccelMin = info.radialAccelMax = 100;
    info.tangentialAccelMin = info.tangentialAccelMax = 50;
    hgeParticleSystem ps(&info);
    ps.FireAt(200, 200);
    ps.Update(0.01f);
    ps.Stop();
    hgeVertex p0 = drawn([&] { ps.Render(); })[0].v[0];
    ps.Update(0.01f);
    hgeVertex p1 = drawn([&] { ps.Render(); })[0].v[0];
    float ux = p0.x - 200, uy = p0.y - 200;
    float len = std::sqrt(ux * ux + uy * uy);
    ux /= len;
    uy /= len;
    // Outwards at 100 * dt plus a quarter turn (x' = -y, y' = x) at 50 * dt.
    EXPECT_NEAR(p1.x - p0.x, ux - 0.5f * uy, EPS);
    EXPECT_NEAR(p1.y - p0.y, uy + 0.5f * ux, EPS);
}

TEST_F(ParticleTest, RelativeDirectionPointsAgainstTheEmittersMotion) {
    hgeParticleSystemInfo info = steady(&dot, 100, -1);
    info.direction = 0;
    info.relative = true;
    hgeParticleSystem ps(&info);
    ps.FireAt(100, 100);
    ps.MoveTo(110, 100);
    ps.Update(0.01f);
    ps.Stop();
    hgeVertex p0 = drawn([&] { ps.Render(); })[0].v[0];
    ps.Update(0.01f);
    hgeVertex p1 = drawn([&] { ps.Render(); })[0].v[0];
    EXPECT_NEAR(p1.x - p0.x, -3, EPS);
    EXPECT_NEAR(p1.y - p0.y, 0, EPS);
    EXPECT_GE(p0.x, 98);  // on the path from the previous position, give or take 2
    EXPECT_LE(p0.x, 112);
}

TEST_F(ParticleTest, ParticlesDieAtTheirLifeSpanAndEmittersAtTheirLifetime) {
    hgeParticleSystemInfo info = steady(&dot, 100, 0.045f);
    info.particleLifeMin = info.particleLifeMax = 0.035f;
    hgeParticleSystem ps(&info);
    ps.Fire();
    for (int i = 0; i < 4; ++i) ps.Update(0.01f);
    EXPECT_EQ(ps.GetParticlesAlive(), 4);
    EXPECT_NEAR(ps.GetAge(), 0.04f, EPS);
    ps.Update(0.01f);  // the emitter ends and the first particle dies
    EXPECT_EQ(ps.GetAge(), -2);
    EXPECT_EQ(ps.GetParticlesAlive(), 3);
    for (int i = 0; i < 3; ++i) ps.Update(0.01f);
    EXPECT_EQ(ps.GetParticlesAlive(), 0);
}

TEST_F(ParticleTest, FixedStepRunsWholeStepsAndKeepsTheRest) {
    hgeParticleSystemInfo info = steady(&dot, 100, -1);
    hgeParticleSystem ps(&info, 100);
    ps.Fire();
    ps.Update(0.035f);
    EXPECT_EQ(ps.GetParticlesAlive(), 3);
    ps.Update(0.004f);
    EXPECT_EQ(ps.GetParticlesAlive(), 3);
    ps.Update(0.002f);
    EXPECT_EQ(ps.GetParticlesAlive(), 4);
}

TEST_F(ParticleTest, AFixedSeedGivesTheSameBurst) {
    hgeParticleSystemInfo info = steady(&dot, 1000, 0.1f);
    info.spread = 6;
    info.speedMin = 1;
    info.sizeVar = info.colorVar = 1;
    info.sizeEnd = 3;
    auto burst = [&] {
        hge->Random_Seed(77);
        hgeParticleSystem ps(&info);
        ps.FireAt(100, 100);
        for (int i = 0; i < 5; ++i) ps.Update(0.01f);
        return drawn([&] { ps.Render(); });
    };
    auto first = burst();
    auto second = burst();
    ASSERT_EQ(first.size(), 50u);
    ASSERT_EQ(second.size(), first.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(std::memcmp(&first[i].v, &second[i].v, sizeof first[i].v), 0) << i;
    }
}

TEST_F(ParticleTest, MoveToCarriesParticlesOnlyWhenAsked) {
    hgeParticleSystemInfo info = steady(&dot, 100, -1);
    info.speedMin = info.speedMax = 0;
    hgeParticleSystem ps(&info);
    ps.FireAt(100, 100);
    ps.Update(0.01f);
    auto at = [&] { return drawn([&] { ps.Render(); })[0].v[0]; };
    hgeVertex start = at();
    ps.MoveTo(150, 120, true);
    EXPECT_NEAR(at().x - start.x, 50, EPS);
    EXPECT_NEAR(at().y - start.y, 20, EPS);
    ps.MoveTo(0, 0);
    EXPECT_NEAR(at().x - start.x, 50, EPS);
    ps.Stop(true);
    EXPECT_EQ(ps.GetParticlesAlive(), 0);
}

TEST_F(ParticleTest, AStoppedEmitterFiredElsewhereLeavesNoTrail) {
    hgeParticleSystemInfo info = steady(&dot, 10000, -1);
    info.speedMin = info.speedMax = 0;
    hgeParticleSystem ps(&info);
    ps.FireAt(0, 0);
    ps.Stop(true);
    ps.FireAt(500, 500);
    ps.Update(0.01f);
    for (const hgeQuad& q : drawn([&] { ps.Render(); })) {
        EXPECT_GE(q.v[0].x, 497);
        EXPECT_GE(q.v[0].y, 497);
    }
}

TEST_F(ParticleTest, DrawingUsesParticleColourAndRestoresTheSprite) {
    hgeParticleSystemInfo info = steady(&dot, 100, -1);
    info.colorStart = info.colorEnd = {1, 0.5f, 0, 0.25f};
    dot.SetColor(0xFF123456);
    hgeParticleSystem ps(&info);
    ps.Transpose(10, 0);
    ps.FireAt(0, 0);
    ps.Update(0.01f);
    auto quads = drawn([&] { ps.Render(); });
    ASSERT_EQ(quads.size(), 1u);
    EXPECT_EQ(quads[0].v[0].col, ARGB(63, 255, 127, 0));
    EXPECT_GE(quads[0].v[0].x, 8);
    EXPECT_EQ(dot.GetColor(3), 0xFF123456u);

    hgeParticleSystemInfo noSprite = info;
    noSprite.sprite = nullptr;
    hgeParticleSystem invisible(&noSprite);
    invisible.Fire();
    invisible.Update(0.01f);
    EXPECT_EQ(invisible.GetParticlesAlive(), 1);
    EXPECT_TRUE(drawn([&] { invisible.Render(); }).empty());
}

class ParticleManagerTest : public ParticleTest {};

TEST_F(ParticleManagerTest, The101stEmitterIsRefusedAndChangesNothing) {
    hgeParticleManager pm;
    hgeParticleSystemInfo info = steady(&dot, 0, -1);
    hgeParticleSystem* first = pm.SpawnPS(&info, 1, 2);
    for (int i = 1; i < MAX_PSYSTEMS; ++i) ASSERT_NE(pm.SpawnPS(&info, 0, 0), nullptr);
    EXPECT_EQ(pm.SpawnPS(&info, 0, 0), nullptr);
    EXPECT_EQ(pm.GetCount(), MAX_PSYSTEMS);
    EXPECT_TRUE(pm.IsPSAlive(first));
    float x, y;
    first->GetPosition(&x, &y);
    EXPECT_FLOAT_EQ(x, 1);
    EXPECT_FLOAT_EQ(y, 2);
    pm.KillAll();
    EXPECT_EQ(pm.GetCount(), 0);
    EXPECT_FALSE(pm.IsPSAlive(first));
}

TEST_F(ParticleManagerTest, FinishedEmittersAreDeletedOthersStay) {
    hgeParticleManager pm(100);
    hgeParticleSystemInfo silent = steady(&dot, 0, 0.045f);
    hgeParticleSystemInfo endless = steady(&dot, 0, -1);
    hgeParticleSystem* a = pm.SpawnPS(&silent, 0, 0);
    hgeParticleSystem* b = pm.SpawnPS(&endless, 0, 0);
    for (int i = 0; i < 4; ++i) pm.Update(0.01f);
    EXPECT_TRUE(pm.IsPSAlive(a));
    pm.Update(0.01f);
    EXPECT_FALSE(pm.IsPSAlive(a));
    for (int i = 0; i < 1000; ++i) pm.Update(0.01f);
    EXPECT_TRUE(pm.IsPSAlive(b));
    EXPECT_EQ(b->GetParticlesAlive(), 0);

    hgeParticleSystemInfo brief = steady(&dot, 100, 0.015f);
    brief.particleLifeMin = brief.particleLifeMax = 0.045f;
    hgeParticleSystem* c = pm.SpawnPS(&brief, 0, 0);
    pm.Update(0.01f);
    pm.Update(0.01f);
    EXPECT_EQ(c->GetAge(), -2);
    EXPECT_TRUE(pm.IsPSAlive(c));  // stopped, but its particle still lives
    for (int i = 0; i < 4; ++i) pm.Update(0.01f);
    EXPECT_FALSE(pm.IsPSAlive(c));
}

TEST_F(ParticleManagerTest, KillPSMovesTheLastIntoTheGapAndTransposeReachesAll) {
    hgeParticleManager pm;
    hgeParticleSystemInfo info = steady(&dot, 100, -1);
    hgeParticleSystem* a = pm.SpawnPS(&info, 0, 0);
    hgeParticleSystem* b = pm.SpawnPS(&info, 0, 0);
    hgeParticleSystem* c = pm.SpawnPS(&info, 0, 0);
    pm.KillPS(a);
    EXPECT_FALSE(pm.IsPSAlive(a));
    EXPECT_TRUE(pm.IsPSAlive(b));
    EXPECT_TRUE(pm.IsPSAlive(c));
    EXPECT_EQ(pm.GetCount(), 2);
    pm.KillPS(c);
    EXPECT_EQ(pm.GetCount(), 1);

    pm.Transpose(5, 7);
    hgeParticleSystem* d = pm.SpawnPS(&info, 0, 0);
    float x, y;
    b->GetTransposition(&x, &y);
    EXPECT_FLOAT_EQ(x, 5);
    d->GetTransposition(&x, &y);
    EXPECT_FLOAT_EQ(y, 7);
    pm.Update(0.01f);
    EXPECT_EQ(drawn([&] { pm.Render(); }).size(), 2u);
}
