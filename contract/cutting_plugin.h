/*
 * The cutting plug-in contract: what a diamond-design host and a cutting
 * plug-in exchange. Plain C, usable from C and C++.
 *
 * A plug-in is a shared library exporting the seven entry points at the end
 * of this header under their undecorated names, with the C calling
 * convention. The host loads it, looks the seven up by name and calls them
 * in the order they appear here.
 *
 * Ownership: the host allocates, owns and frees every record, parameter
 * block and vertex buffer; a plug-in writes only into what a call hands it
 * and keeps no pointer past the call. Pointers a plug-in hands out (face
 * table, names) point into its constant data and stay valid while the
 * library is loaded.
 *
 * Results: every entry point returns 1 for success and 0 for failure and
 * reports nothing else. A failure leaves the record it was given untouched.
 *
 * Threads: plug-ins keep no state, so any entry point may run on any thread,
 * concurrently, as long as two simultaneous calls do not share a parameter
 * block or vertex buffer that either of them writes.
 *
 * Units: lengths in millimetres, angles in radians, proportions as fractions
 * of the diameter (0.6 stands for 60 %), ratio as second diameter / diameter.
 */
#ifndef CUTTING_PLUGIN_H
#define CUTTING_PLUGIN_H

#include <stdint.h>

/* ---- ABI macros --------------------------------------------------------- */

#if defined(_WIN32)
#define CUTTING_CALL __cdecl
#define CUTTING_EXPORT __declspec(dllexport)
#else
#define CUTTING_CALL
#define CUTTING_EXPORT __attribute__((visibility("default")))
#endif

/* Plug-ins define CUTTING_PLUGIN_BUILD before including this header, so the
 * entry points are exported from them and merely declared everywhere else. */
#if defined(CUTTING_PLUGIN_BUILD)
#define CUTTING_API CUTTING_EXPORT
#else
#define CUTTING_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Scalar types -------------------------------------------------------- */

/* Identifier of a cutting within one plug-in (both of ours offer cutting 1). */
typedef int32_t CuttingId;
/* Identifier of a parameter: below 4096 standard, from 4096 cutting-specific. */
typedef int32_t ParameterId;

/* ---- Request codes of GetCuttingInfo ------------------------------------- */

typedef enum InfoRequest {
    InfoRequestGeneral = 256,       /* record: CuttingInfo        */
    InfoRequestParameterName = 259, /* record: ParameterNameQuery */
    InfoRequestParameterList = 260  /* record: ParameterList      */
} InfoRequest;

/* ---- Records --------------------------------------------------------------
 * Binding layout where pointers are 32 bits wide (the host's platform):
 * checked below. On 64-bit targets the records keep their natural layout. */

/* Request 256: the plug-in fills all six fields. */
typedef struct CuttingInfo {
    int32_t blockSize;          /* bytes of the parameter block; the host allocates it */
    uint8_t guid[16];           /* in-memory GUID layout (first three groups little-endian) */
    int32_t infoKind;           /* always 1 */
    const uint16_t* faces;      /* the face table (see below); plug-in's constant data */
    const char* name;           /* NUL-terminated 8-bit name of the cutting */
    const char* secondName;     /* the same pointer as name */
} CuttingInfo;

/* Request 259: the display name of one cutting-specific parameter. */
typedef struct ParameterNameQuery {
    int32_t id;                 /* in: the parameter whose display name is asked for */
    const char* name;           /* out: written only when the cutting has a name for id;
                                   a host that wants to tell sets it to NULL first */
} ParameterNameQuery;

/* Request 260: the plug-in appends its identifiers behind the first `count`
 * entries while count < capacity, raising count; what does not fit is cut
 * off and the call still succeeds. It never resets count. */
typedef struct ParameterList {
    int32_t capacity;           /* in: entries that ids can hold */
    int32_t count;              /* in/out: entries in use */
    int32_t listKind;           /* in: must be 1 */
    ParameterId* ids;           /* in: the host's array */
} ParameterList;

/* The host's handle on one stone. A plug-in uses its first 16 bytes only. */
typedef struct Diamond {
    uint32_t reserved1;         /* the host's: never read or written by a plug-in */
    void* params;               /* the parameter block, blockSize bytes, host-allocated */
    uint32_t reserved2;         /* the host's: never read or written by a plug-in */
    double* vertices;           /* the vertex buffer: x, y, z per vertex, mm; only
                                   InitVertex uses it and writes every entry */
} Diamond;

/* ---- Face table -----------------------------------------------------------
 * uint16 vertex indices. Each face is a closed loop: its indices in order,
 * then its first index again; the next face begins right behind. The table
 * ends with CUTTING_FACES_END behind the last closing index. Every loop runs
 * counterclockwise seen from outside (its right-hand normal points outward),
 * and every vertex from 0 to the largest index is used. */
#define CUTTING_FACES_END 0xFFFFu

/* ---- Parameter blocks -----------------------------------------------------
 * Every block begins with the int32 variant (default 1; IsCorrect rejects
 * values above 1) and four bytes nobody reads, so its doubles start at 8. */
#define CUTTING_FIRST_SPECIFIC_PARAMETER 4096

/* ---- Catalogue of standard parameter identifiers -------------------------- */
enum StandardParameter {
    ParameterDiameter = 1,        /* mm */
    ParameterPavilionAngle = 4,   /* radians */
    ParameterTable = 7,           /* fraction of the diameter */
    ParameterRatio = 10,          /* second diameter / diameter */
    ParameterGirdle = 37,         /* fraction of the diameter */
    ParameterCrownHeight = 38,    /* fraction of the diameter */
    ParameterCrownAngle = 43,     /* radians */
    ParameterPavilionHeight = 48, /* fraction of the diameter */
    ParameterCuletOffsetX = 56,   /* fraction of the diameter */
    ParameterCuletOffsetY = 57    /* fraction of the diameter */
};

/* ---- Entry points ---------------------------------------------------------
 * Every call after GetCuttingList names the cutting and fails with 0, touching
 * nothing, for one the plug-in does not offer. */

/* Writes the plug-in's cutting identifiers from ids[0]; 0 and nothing written
 * when capacity <= 0. */
CUTTING_API int32_t CUTTING_CALL GetCuttingList(CuttingId* ids, int32_t capacity);

/* record points to the record that request names (see InfoRequest). Unknown
 * requests fail; request 259 succeeds also when the cutting has no name. */
CUTTING_API int32_t CUTTING_CALL GetCuttingInfo(void* record, CuttingId cutting, int32_t request);

/* Copies the cutting's default block over diamond->params. */
CUTTING_API int32_t CUTTING_CALL InitDiamond(Diamond* diamond, CuttingId cutting);

/* Computes every vertex from diamond->params into diamond->vertices, without
 * judging the parameters (call IsCorrect first). */
CUTTING_API int32_t CUTTING_CALL InitVertex(Diamond* diamond, CuttingId cutting);

/* 1 when diamond->params describes a proper stone. Writes nothing. */
CUTTING_API int32_t CUTTING_CALL IsCorrect(Diamond* diamond, CuttingId cutting);

/* values[i] receives parameter ids[i], in order; stops with 0 at the first
 * identifier the cutting does not serve, keeping the values already stored.
 * count <= 0 succeeds at once. */
CUTTING_API int32_t CUTTING_CALL GetParameter(double* values, const ParameterId* ids, int32_t count,
                                              Diamond* diamond, CuttingId cutting);

/* Writes parameter ids[i] := values[i], in order (a derived write sees the
 * earlier writes); stops with 0 at the first identifier the cutting does not
 * serve, keeping the writes already made. count <= 0 succeeds at once. */
CUTTING_API int32_t CUTTING_CALL SetParameter(const double* values, const ParameterId* ids, int32_t count,
                                              Diamond* diamond, CuttingId cutting);

/* ---- Function pointer types, for hosts that look the entry points up ------- */
typedef int32_t(CUTTING_CALL* GetCuttingListFn)(CuttingId*, int32_t);
typedef int32_t(CUTTING_CALL* GetCuttingInfoFn)(void*, CuttingId, int32_t);
typedef int32_t(CUTTING_CALL* InitDiamondFn)(Diamond*, CuttingId);
typedef int32_t(CUTTING_CALL* InitVertexFn)(Diamond*, CuttingId);
typedef int32_t(CUTTING_CALL* IsCorrectFn)(Diamond*, CuttingId);
typedef int32_t(CUTTING_CALL* GetParameterFn)(double*, const ParameterId*, int32_t, Diamond*, CuttingId);
typedef int32_t(CUTTING_CALL* SetParameterFn)(const double*, const ParameterId*, int32_t, Diamond*, CuttingId);

#ifdef __cplusplus
}
#endif

/* ---- Binding layout on 32-bit targets ------------------------------------- */
#if defined(__cplusplus)
#define CUTTING_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define CUTTING_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif
#include <stddef.h>

#if UINTPTR_MAX == 0xFFFFFFFFu
CUTTING_STATIC_ASSERT(offsetof(CuttingInfo, blockSize) == 0, "CuttingInfo.blockSize");
CUTTING_STATIC_ASSERT(offsetof(CuttingInfo, guid) == 4, "CuttingInfo.guid");
CUTTING_STATIC_ASSERT(offsetof(CuttingInfo, infoKind) == 20, "CuttingInfo.infoKind");
CUTTING_STATIC_ASSERT(offsetof(CuttingInfo, faces) == 24, "CuttingInfo.faces");
CUTTING_STATIC_ASSERT(offsetof(CuttingInfo, name) == 28, "CuttingInfo.name");
CUTTING_STATIC_ASSERT(offsetof(CuttingInfo, secondName) == 32, "CuttingInfo.secondName");
CUTTING_STATIC_ASSERT(sizeof(CuttingInfo) == 36, "CuttingInfo size");
CUTTING_STATIC_ASSERT(offsetof(ParameterNameQuery, id) == 0, "ParameterNameQuery.id");
CUTTING_STATIC_ASSERT(offsetof(ParameterNameQuery, name) == 4, "ParameterNameQuery.name");
CUTTING_STATIC_ASSERT(sizeof(ParameterNameQuery) == 8, "ParameterNameQuery size");
CUTTING_STATIC_ASSERT(offsetof(ParameterList, capacity) == 0, "ParameterList.capacity");
CUTTING_STATIC_ASSERT(offsetof(ParameterList, count) == 4, "ParameterList.count");
CUTTING_STATIC_ASSERT(offsetof(ParameterList, listKind) == 8, "ParameterList.listKind");
CUTTING_STATIC_ASSERT(offsetof(ParameterList, ids) == 12, "ParameterList.ids");
CUTTING_STATIC_ASSERT(sizeof(ParameterList) == 16, "ParameterList size");
CUTTING_STATIC_ASSERT(offsetof(Diamond, reserved1) == 0, "Diamond.reserved1");
CUTTING_STATIC_ASSERT(offsetof(Diamond, params) == 4, "Diamond.params");
CUTTING_STATIC_ASSERT(offsetof(Diamond, reserved2) == 8, "Diamond.reserved2");
CUTTING_STATIC_ASSERT(offsetof(Diamond, vertices) == 12, "Diamond.vertices");
CUTTING_STATIC_ASSERT(sizeof(Diamond) == 16, "Diamond size");
#endif

#endif /* CUTTING_PLUGIN_H */
