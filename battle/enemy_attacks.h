// Enemy attacks: projectiles, clouds, rings, volleys and summoned zombies, aimed at the
// player whose field the enemy is in.
#pragma once

// Starts an attack of enemy slot e: its attack time and what it fires or summons.
void enemyAttack(int e);

// The 1-second roll: every living enemy that is not attacking starts an attack with its
// attack chance in percent.
void rollEnemyAttacks();
