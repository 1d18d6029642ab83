// The attack programs: each runs one frame of an attack and launches the weapons at their
// ticks, every launch under its own weapon switch.
#include "enemies/enemy_shots.h"
#include "enemies/enimy.h"
#include "enemies/movers.h"
#include "enemies/weapons.h"

namespace zarvo {

namespace {

bool On(Game& g, int weapon_switch) {
    return g.w.level.On(weapon_switch);
}

// One frame of a Tank volley: four salvos, a chain with each, two blasts.
void Tank_Volley(Game& g, int slot) {
    static constexpr int Salvo_Switch[4] = {Switch::Tank_Salvo_1, Switch::Tank_Salvo_2,
                                            Switch::Tank_Salvo_3, Switch::Tank_Salvo_4};
    Enimy_Rec& r = Enimy(g, slot);
    const int32_t t = ++r.Fire_Tick;
    if (t == 1 || t == 5 || t == 9 || t == 13) {
        if (On(g, Salvo_Switch[(t - 1) / 4])) Fire_Salvo(g, slot);
        if (On(g, Switch::Tank_Chain)) Start_Chain(g, slot);
        if ((t == 1 || t == 9) && On(g, Switch::Tank_Blast)) Trigger_Thunder_Blast(g, slot);
    }
    if (t == 14) {
        r.Fire_Tick = 0;
        r.Fire_Phase = 1;
    }
}

// One frame of an Expander volley, 37 ticks with the body opened.
void Expander_Volley(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    const int32_t t = ++r.Fire_Tick;
    if ((t == 13 && On(g, Switch::Expander_Rocket_1)) ||
        (t == 19 && On(g, Switch::Expander_Rocket_2)) ||
        (t == 31 && On(g, Switch::Expander_Rocket_3)) ||
        (t == 37 && On(g, Switch::Expander_Rocket_4)))
        Fire_Rocket_Pair(g, slot);
    if ((t == 14 || t == 26) && On(g, Switch::Expander_Blast)) Trigger_Thunder_Blast(g, slot);
    if (t == 25 && On(g, Switch::Expander_Chain)) Start_Chain(g, slot);
    if (t == 38) {
        r.Fire_Tick = 0;
        r.Fire_Phase = 1;
    }
}

void End_Attack(Enimy_Rec& r) {
    r.Fire_Tick = 0;
    r.Attacking = false;
    r.Fire_Phase = 0;
}

}  // namespace

// Four volleys, the turret turning a quarter between them, until it is back where it began.
void Tank_Attack(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    switch (r.Fire_Phase) {
        case 0:
            r.Turret_Saved = r.Turret_Angle;
            Tank_Volley(g, slot);
            break;
        case 1:
            r.Turret_Angle += 8;
            if (r.Turret_Angle > 255) r.Turret_Angle = 0;
            if (Is_Quarter(r.Turret_Angle)) r.Fire_Phase = 2;
            break;
        default:
            if (r.Turret_Angle == r.Turret_Saved) {
                r.Fire_Tick = 0;
                r.Attacking = false;
            } else {
                Tank_Volley(g, slot);
            }
            break;
    }
}

// As the Tank's, with the whole body turning; the angle it began with is kept in Dir_Angle.
void Expander_Attack(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    switch (r.Fire_Phase) {
        case 0:
            r.Dir_Angle = r.Angle;
            Expander_Volley(g, slot);
            break;
        case 1:
            r.Angle += 8;
            if (r.Angle > 255) r.Angle = 0;
            r.Blast_On = false;
            if (Is_Quarter(r.Angle)) r.Fire_Phase = 2;
            break;
        default:
            if (r.Angle == r.Dir_Angle) {
                r.Fire_Tick = 0;
                r.Attacking = false;
            } else {
                Expander_Volley(g, slot);
            }
            break;
    }
}

void Spider_Attack(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    r.Turret_Angle = r.Angle;
    const int32_t t = ++r.Fire_Tick;
    if ((t == 1 && On(g, Switch::Spider_Ball_1)) || (t == 5 && On(g, Switch::Spider_Ball_2)) ||
        (t == 15 && On(g, Switch::Spider_Ball_3)) || (t == 20 && On(g, Switch::Spider_Ball_4)))
        Fire_Balls(g, slot);
    if (t == 10 && On(g, Switch::Spider_Chain)) Start_Chain(g, slot);
    if ((t == 5 || t == 10 || t == 15) && On(g, Switch::Spider_Blast))
        Trigger_Thunder_Blast(g, slot);
    if (t == 21) End_Attack(r);
}

void Sub_Attack(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    r.Turret_Angle = r.Angle;
    const int32_t t = ++r.Fire_Tick;
    if ((t == 1 && On(g, Switch::Sub_Ball_1)) || (t == 5 && On(g, Switch::Sub_Ball_2)) ||
        (t == 10 && On(g, Switch::Sub_Ball_3)))
        Fire_Balls(g, slot);
    if (t == 1 && On(g, Switch::Sub_Blast)) Trigger_Thunder_Blast(g, slot);
    if (t == 5 && On(g, Switch::Sub_Chain)) Start_Chain(g, slot);
    if (t == 11) End_Attack(r);
}

// Old stars burst, chains go out to all four sides, the blast, then eight new stars.
void Orbiter_Attack(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    const int32_t t = ++r.Special_Tick;
    if (t >= 45 && t <= 75 && (t - 45) % 10 == 0) g.m.Play_Wave(Wave::Explosion_2);
    if (t >= 3 && t <= 24 && t % 3 == 0) Orbiter_Star_Burst(g, slot, t / 3);
    if (t == 14 && On(g, Switch::Orbiter_Chains)) Start_Chains_All(g, slot);
    if (t == 35 && On(g, Switch::Orbiter_Blast)) Trigger_Thunder_Blast(g, slot);
    if (t == 36) Orbiter_Star_Reload(g, slot);
    if (t >= 40 && t <= 75 && t % 5 == 0) Orbiter_Star_Launch(g, slot, (t - 35) / 5);
    if (t == 80) {
        r.Special_Tick = 0;
        r.Attacking = false;
    }
}

// The Boxer stops; chain, ball burst and blast go off at once, then the twin laser runs.
void Boxer_Attack_Start(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    r.Attack_Timer = 0;
    r.Attack_Interval = 5 + g.Random(5);
    r.Move_Dir = Step_Dir::None;
    r.Attacking = true;
    if (On(g, Switch::Boxer_Chain)) Start_Chain(g, slot);
    if (On(g, Switch::Boxer_Balls)) Fire_Ball_Burst(g, slot);
    if (On(g, Switch::Boxer_Blast)) Trigger_Thunder_Blast(g, slot);
}

}  // namespace zarvo
