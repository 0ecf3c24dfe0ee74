// checked_call (see checked_call.h): 32-bit x86 assembly, AT&T syntax, cdecl.
// The offsets into CallRecord written in the assembly are checked below.
#include "checked_call.h"

#include <cstddef>

static_assert(offsetof(CallRecord, stack_before) == 0 && offsetof(CallRecord, stack_after) == 4 &&
              offsetof(CallRecord, ebx) == 8 && offsetof(CallRecord, esi) == 12 &&
              offsetof(CallRecord, edi) == 16 && offsetof(CallRecord, ebp) == 20 &&
              offsetof(CallRecord, eax) == 24 && offsetof(CallRecord, edx) == 28 &&
              offsetof(CallRecord, mxcsr_before) == 32 && offsetof(CallRecord, mxcsr_after) == 36 &&
              offsetof(CallRecord, fpu_status_before) == 40 &&
              offsetof(CallRecord, fpu_status_after) == 42 &&
              offsetof(CallRecord, fpu_control_before) == 44 &&
              offsetof(CallRecord, fpu_control_after) == 46 &&
              offsetof(CallRecord, real_result) == 48);
static_assert(sentinel_ebx == 0xB0B0B0B1u && sentinel_esi == 0x51515152u &&
              sentinel_edi == 0xD1D1D1D3u && sentinel_ebp == 0xEBEBEBE4u);

// The caller's ESP, EBP, the record and the function are kept in static
// storage: the callee may break any register, and the stack pointer too.
asm(R"(
    .data
    .balign 4
checked_call_esp:      .long 0
checked_call_ebp:      .long 0
checked_call_record:   .long 0
checked_call_function: .long 0

    .text
    .globl _checked_call
    .def _checked_call; .scl 2; .type 32; .endef
_checked_call:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl %esp, checked_call_esp
    movl %ebp, checked_call_ebp
    movl 8(%ebp), %eax
    movl %eax, checked_call_function
    movl 24(%ebp), %eax
    movl %eax, checked_call_record
    movl 12(%ebp), %esi              # arguments
    movl 16(%ebp), %ecx              # count
    andl $-16, %esp
    subl 20(%ebp), %esp              # misalignment
1:  testl %ecx, %ecx
    jz 2f
    decl %ecx
    pushl (%esi,%ecx,4)
    jmp 1b
2:  movl checked_call_record, %eax
    movl %esp, 0(%eax)               # stack_before
    stmxcsr 32(%eax)                 # mxcsr_before
    fnstsw 40(%eax)                  # fpu_status_before
    fnstcw 44(%eax)                  # fpu_control_before
    movl $0xB0B0B0B1, %ebx
    movl $0x51515152, %esi
    movl $0xD1D1D1D3, %edi
    movl $0xEBEBEBE4, %ebp
    call *checked_call_function
    pushl %eax                       # the result, kept while the record is found
    movl checked_call_record, %eax
    popl 24(%eax)                    # eax
    movl %esp, 4(%eax)               # stack_after
    movl %ebx, 8(%eax)
    movl %esi, 12(%eax)
    movl %edi, 16(%eax)
    movl %ebp, 20(%eax)
    movl %edx, 28(%eax)
    stmxcsr 36(%eax)                 # mxcsr_after
    fnstsw 42(%eax)                  # fpu_status_after
    fnstcw 46(%eax)                  # fpu_control_after
    # A value the callee left on the x87 stack is taken off (into
    # real_result), so that the stack stays balanced for the next call.
    fldz
    fstpl 48(%eax)
    movw 42(%eax), %cx
    xorw 40(%eax), %cx
    testw $0x3800, %cx               # the stack top, bits 11 to 13
    jz 3f
    fstpl 48(%eax)
3:  movl checked_call_esp, %esp
    movl checked_call_ebp, %ebp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");
