#pragma once
// Lotto arithmetic on numbers 1..90.
int SommaFuori90(int a, int b);        // above 90 loses 90 once
int DifferenzaFuori90(int a, int b);   // below 0 gains 90; equal numbers give 0
int ProdottoFuori90(int a, int b);     // modulo 90, 0 read as 90
