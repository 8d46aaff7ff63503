// The 59 exports in the order of the export list, with the parameter names
// of the public header. One line per export: "name result params", where
// result and each parameter's kind is one letter:
//   T text of the build (UTF-16): a string or null
//   N 8-bit text (bw_ functions): a string, a Uint8Array or null
//   I int: an integer in the int32 range
//   U unsigned int: an integer from -2^31 to 2^32-1 (taken modulo 2^32)
//   P a node or slot handle: a number or null
//   O int out-parameter: its starting value (an int32; omitted: 0) or null
//   B the nine-character date buffer of sl_Now: omitted, or null
//   L null-ended array of texts: an array of strings/nulls, or null
//   V the variadic date texts: one array of strings/nulls
// Results: I int, B one-byte boolean, T text, S slot handle, E edition
// record (_stOpisOkresu), M message dictionary (_stSlownikMsg).
// The two exports with C++ linkage carry their W-mangled symbol.
const TABLE = `
sl_PoprawnyKod I T:code I:expected_length
sl_PobierzSlownik S U:id
sl_PobierzOpisKodu S P:root T:code
sl_PobierzNazweSlownika T U:id
sl_PobierzOpisOkresu E I:id T:code I:date
KVDSlownikGet M I:key
sl_KVDSlownikGet M I:key
KVDSlownikGetKodMsg T I:key T:code T:date
sl_KVDSlownikGetKodMsg T I:key T:code T:date
KVDSlownikKodDoWyboru I I:key T:code
sl_Now I B:buffer
sl_PoprawnaData_DDMMRRRR I T:text
sl_PoprawnaData_MMRRRR I T:text
sl_PoprawnaData_DDMM I T:text
sl_PrzeksztalcDate_DDMMRRRR I T:text
sl_PrzeksztalcDate_MMRRRR I T:text
sl_PrzeksztalcDate_DDMM I T:text
sl_NajwczesniejszaData T T:fallback V:dates
sl_NajpozniejszaData T T:fallback V:dates
fb_KVDKodSprawdzArkusze I I:id T:code T:date
fb_KVDKodSprawdz I I:id T:code
sl_CzyPrawidlowyKodLiterowy I P:node T:code I:reference
sl_SprawdzSlownikNIPZUS I I:key_kind T:key T:date
sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia I T:title O:valid_from O:valid_to
fb_KVDZaleznosciKodSwKwotaTyp I T:title T:code I:expected T:month
fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp I T:code I:expected T:month
fb_KVDZaleznosciKodSwOkresOdTyp I T:code I:expected T:month
fb_KVDZaleznosciKodSwOkresDoTyp I T:code I:expected T:month
fb_KVDTypSwiadczenia I T:code I:expected T:month
fb_KVDZaleznosciKodSw_MSCTyp I T:code I:expected T:month
fb_KVDZaleznosciKodSwKodTyt I T:title4 T:pension T:disability T:code T:date_a T:date_b I:whole_period
fb_KVDZaleznosciKodSwKodTytIdent I T:title4 T:pension T:disability T:code T:month
fb_KVDKodySwiadMogaBycRazem B T:first T:second I:date
sl_SprawdzKodSwDRA I T:code I:expected I:date
sl_SprawdzKodSwWST I T:code T:date
bw_MapujKod B N:title N:code N:date
bw_OdowiedniTypSwiadczenia B N:code I:expected I:month
bw_MapujKodData B N:title N:code I:from I:to
bw_TypZaleznosciKoduSwDlaOkresu B N:title N:code I:from I:to
bw_TypZaleznosciKoduSwDlaOkresu_DoklMies B N:title N:code I:date
bw_KodSpecjalny B N:title I:key I:from I:to
fb_KVD_KodTyt_WypDok_ONE=_Z24fb_KVD_KodTyt_WypDok_ONEPKDsPK11_stOpisKoduPS0_ I T:pass P:slot L:dates
fb_KVD_KodTyt_WypDok_DRA_ONE I T:pass T:title4 T:pension T:disability V:dates
fb_KVD_KodTyt_WypDok_RCA_ONE I T:pass T:title4 T:pension T:disability V:dates
fb_KVD_KodTyt_WypDok_RNA_ONE I T:pass T:title4 T:pension T:disability V:dates
fb_KVD_KodTyt_WypDok_RZA_ONE I T:pass T:title4 T:pension T:disability V:dates
fb_KVD_KodTyt_WypDok_ZUA_ONE I T:pass T:title4 T:pension T:disability V:dates
fb_KVD_KodTyt_WypDok_ZZA_ONE I T:pass T:title4 T:pension T:disability V:dates
ZamienStala=_Z11ZamienStalaPKDsi I T:title I:kind
fb_KVDZasadyPodleganiaUb I T:title4 T:pension T:disability T:date
fb_KVD_Slw_Podl_ALL I T:title4 T:pension T:disability I:insurance T:condition V:dates
fb_KVD_Slw_Podl_ONE I T:title4 T:pension T:disability I:insurance T:condition V:dates
sl_SprawdzPodstawySkladek I T:title I:mask T:date
fb_KodWyrRozlicznikaTyp I T:code I:payer_kind T:date
fb_KodWyrRozlicznikaOsPrawna I T:code T:date
fb_KodWyrRozlicznikaOsFizyczna I T:code T:date
fb_KVDKodPokrewienstwa I T:code I:question I:character
fb_KVDKodPokrewienstwaJest I T:code I:question
fb_KVDKodPokrewienstwaWiek I T:code I:age_group
`;

export const SIGNATURES = TABLE.trim().split('\n').map((line) => {
  const [head, result, ...params] = line.trim().split(/\s+/);
  const [name, symbol] = head.split('=');
  return {
    name,
    symbol: symbol || name,
    result,
    params: params.map((p) => ({ kind: p[0], name: p.slice(2) })),
  };
});
