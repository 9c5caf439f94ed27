/* The few constants of the Windows SDK's winver.h that tessera.rc uses, with the SDK's
   values, so that llvm-rc can compile the script on a machine without the SDK. */
#define VS_VERSION_INFO 1
#define VS_FFI_FILEFLAGSMASK 0x0000003FL
#define VOS_NT_WINDOWS32 0x00040004L
#define VFT_APP 0x00000001L
#define VFT2_UNKNOWN 0x00000000L
