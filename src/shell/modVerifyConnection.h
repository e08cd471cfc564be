#pragma once
// Whether the computer reports an internet connection.
bool VerificaConnessione();
